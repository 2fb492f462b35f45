#include "support/PhotoDesk.h"

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

} // namespace vqtest
