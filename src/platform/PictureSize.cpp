#include "platform/PictureSize.h"

namespace vq {

std::string TooLargeText(PictureSize size, PictureSize largest) {
    return "画像が大きすぎます（" + std::to_string(size.width) + " x " + std::to_string(size.height) + "。" +
           std::to_string(largest.width) + " x " + std::to_string(largest.height) + " までの画像にしてください）";
}

} // namespace vq
