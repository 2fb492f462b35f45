#include "mail/PhotoMarker.h"

namespace vq {

PhotoSplit SplitPhoto(std::u16string_view body) {
    const std::size_t at = body.rfind(PhotoMarker);
    if (at == std::u16string_view::npos) return {std::u16string(body), {}};
    return {std::u16string(body.substr(0, at)), std::u16string(body.substr(at + PhotoMarker.size()))};
}

bool HasPhoto(std::u16string_view body) { return body.find(PhotoMarker) != std::u16string_view::npos; }

std::u16string WithPhoto(std::u16string_view text, std::u16string_view photo) {
    std::u16string body(text);
    body += PhotoMarker;
    body += photo;
    return body;
}

} // namespace vq
