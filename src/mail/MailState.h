#pragma once

#include <string>

namespace vq {

// The mail application's state.
struct MailState {
    std::string ScreenMode = "W"; // "W", "WM", "M", "RM", "SM" or "NM"
    int ReceivedCount = 0;
    int SentCount = 0;
    std::u16string CurrentPhoto;  // file name of the photo last taken or shown
};

} // namespace vq
