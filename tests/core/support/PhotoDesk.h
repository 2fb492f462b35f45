#pragma once

#include "platform/RgbImage.h"
#include "support/Classroom.h"

#include <string>

namespace vqtest {

// The camera of the new-mail screen, in the words of the screen.
void PressCameraKey(Station& station); // the up key
void TakePhoto(Station& station);      // the up key twice: the preview, then the shot

// How far two pictures of one size lie apart: the mean absolute difference of their bytes.
double MeanDifference(const vq::RgbImage& a, const vq::RgbImage& b);

// A small JPEG whose frame header claims width x height pixels: decoded as it says it would take
// width * height * 3 bytes.
std::string JpegClaimingSize(int width, int height);

} // namespace vqtest
