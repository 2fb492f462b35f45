#include "platform/PictureSize.h"

namespace vq {

std::string TooLargeText(PictureSize size, PictureSize largest) {
    return "画像が大きすぎるため表示できません（" + std::to_string(size.width) + " x " + std::to_string(size.height) +
           "。表示できるのは " + std::to_string(largest.width) + " x " + std::to_string(largest.height) + " までです）";
}

} // namespace vq
