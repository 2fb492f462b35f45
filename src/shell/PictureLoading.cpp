#include "shell/PictureLoading.h"

#include "platform/Jpeg.h"
#include "platform/NativePath.h"
#include "platform/PlatformError.h"
#include "platform/Text.h"
#include "shell/Controls.h"

#include <fstream>
#include <utility>

namespace vq {
namespace {

void CheckPictureFile(const std::string& path) {
    std::ifstream in(NativePath(path), std::ios::binary);
    char head[2] = {};
    if (!in.read(head, 2)) throw PlatformError("画像を読み込めません: " + Cp932ToUtf8(path));
    const bool bitmap = head[0] == 'B' && head[1] == 'M';
    const bool jpeg = static_cast<unsigned char>(head[0]) == 0xFF && static_cast<unsigned char>(head[1]) == 0xD8;
    if (!bitmap && !jpeg) throw PlatformError("画像の形式が正しくありません: " + Cp932ToUtf8(path));
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
