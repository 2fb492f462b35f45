#include "mail/PhotoMarker.h"

#include "site/RecordText.h"

namespace vq {
namespace {

// A backslash in stored text always starts an escape; "\P" is the one of a typed marker.
constexpr std::u16string_view TypedMarker = u"{\\Photo}";

std::u16string Replaced(std::u16string_view text, std::u16string_view from, std::u16string_view to) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t at = 0;;) {
        const std::size_t hit = text.find(from, at);
        out += text.substr(at, hit == std::u16string_view::npos ? std::u16string_view::npos : hit - at);
        if (hit == std::u16string_view::npos) return out;
        out += to;
        at = hit + from.size();
    }
}

} // namespace

std::u16string StoredMailBody(std::u16string_view typed, std::u16string_view photo) {
    // The record escapes never touch the marker's characters, so each typed marker is still whole.
    std::u16string body = Replaced(EncodeRecordText(typed), PhotoMarker, TypedMarker);
    if (!photo.empty()) {
        body += PhotoMarker;
        body += photo;
    }
    return body;
}

MailBody ReadStoredMailBody(std::u16string_view stored) {
    const std::size_t at = stored.rfind(PhotoMarker);
    const std::u16string_view text = at == std::u16string_view::npos ? stored : stored.substr(0, at);
    MailBody body{DecodeRecordText(Replaced(text, TypedMarker, PhotoMarker)), {}};
    if (at != std::u16string_view::npos) body.photo = stored.substr(at + PhotoMarker.size());
    return body;
}

} // namespace vq
