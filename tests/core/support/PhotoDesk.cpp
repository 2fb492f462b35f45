#include "support/PhotoDesk.h"

#include "platform/Jpeg.h"

#include <cstdlib>
#include <limits>

namespace vqtest {

void PressCameraKey(Station& station) {
    station.phone.lblButtonUpClick();
    station.browser.RunLoop();
}

void TakePhoto(Station& station) {
    PressCameraKey(station);
    PressCameraKey(station);
}

double MeanDifference(const vq::RgbImage& a, const vq::RgbImage& b) {
    if (a.width != b.width || a.height != b.height || a.pixels.empty()) return std::numeric_limits<double>::infinity();
    long long sum = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) sum += std::abs(a.pixels[i] - b.pixels[i]);
    return static_cast<double>(sum) / static_cast<double>(a.pixels.size());
}

std::string JpegClaimingSize(int width, int height) {
    std::string jpeg = vq::EncodeJpeg(vq::RgbImage(16, 16), 90);
    const std::size_t frame = jpeg.find("\xFF\xC0");
    jpeg[frame + 5] = static_cast<char>(height >> 8);
    jpeg[frame + 6] = static_cast<char>(height & 0xFF);
    jpeg[frame + 7] = static_cast<char>(width >> 8);
    jpeg[frame + 8] = static_cast<char>(width & 0xFF);
    return jpeg;
}

} // namespace vqtest
