#include "shell/PictureLoading.h"

#include "platform/Files.h"
#include "platform/Jpeg.h"
#include "platform/NativePath.h"
#include "platform/PlatformError.h"
#include "platform/Text.h"
#include "shell/Controls.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <optional>
#include <utility>

namespace vq {
namespace {

// Body pictures and key glyphs are drawn at their own size on the phone's body; anything larger than
// the body would only be cut off.
constexpr PictureSize kLargestBodyPicture{400, 730};

// A bitmap's size is in its header: width and height as 32-bit numbers (the height negative for
// rows stored top down), or as 16-bit ones in the oldest header of 12 bytes.
std::optional<PictureSize> BitmapSize(std::string_view head) {
    const auto at = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(head[i])); };
    const auto u16 = [&](std::size_t i) { return static_cast<int>(at(i) | at(i + 1) << 8); };
    const auto i32 = [&](std::size_t i) {
        return static_cast<std::int32_t>(at(i) | at(i + 1) << 8 | at(i + 2) << 16 | at(i + 3) << 24);
    };
    if (head.size() >= 22 && i32(14) == 12) return PictureSize{u16(18), u16(20)};
    if (head.size() < 26) return std::nullopt;
    const std::int64_t height = i32(22);
    return PictureSize{i32(18), static_cast<int>(std::min<std::int64_t>(height < 0 ? -height : height, INT32_MAX))};
}

// The picture must be a bitmap or a JPEG no larger than the body. A header too short to give a size
// is left to the window's decoder, which allocates nothing for it.
void CheckPictureFile(const std::string& path) {
    std::ifstream in(NativePath(path), std::ios::binary);
    char head[26] = {};
    in.read(head, sizeof head);
    const std::string_view read(head, static_cast<std::size_t>(in.gcount()));
    if (read.size() < 2) throw PlatformError("画像を読み込めません: " + Cp932ToUtf8(path));
    const bool bitmap = read.starts_with("BM");
    const bool jpeg = read.starts_with("\xFF\xD8");
    if (!bitmap && !jpeg) throw PlatformError("画像の形式が正しくありません: " + Cp932ToUtf8(path));
    std::optional<PictureSize> size;
    if (bitmap) {
        size = BitmapSize(read);
    } else {
        try {
            size = JpegSize(ReadAll(path));
        } catch (const PlatformError&) {
            // a damaged JPEG: the window's decoder reports it
        }
    }
    if (size && Exceeds(*size, kLargestBodyPicture))
        throw PlatformError(TooLargeText(*size, kLargestBodyPicture) + ": " + Cp932ToUtf8(path));
}

} // namespace

void LoadPicture(Picture& picture, const std::string& path) {
    CheckPictureFile(path);
    picture.pictureFile = path;
    picture.image = {};
}

void LoadGlyph(Button& button, const std::string& path) {
    CheckPictureFile(path);
    button.glyphFile = path;
}

void LoadPhoto(Picture& picture, const std::string& path) {
    RgbImage photo = ReadJpegFile(path);
    picture.pictureFile = path;
    picture.image = std::move(photo);
}

void ShowImage(Picture& picture, RgbImage image) {
    picture.pictureFile.clear();
    picture.image = std::move(image);
}

} // namespace vq
