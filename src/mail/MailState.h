#pragma once

#include "mail/MailEntry.h"
#include "platform/Capture.h"

#include <functional>
#include <string>
#include <vector>

namespace vq {

// The mail application's state.
struct MailState {
    std::string ScreenMode = "W"; // "W", "WM", "M", "RM", "SM" or "NM"
    // The two mail tables: slots 0 .. count - 1 are in use, the oldest at 0. A table grows by a slot
    // when it is full, so no count of mails is ever too many.
    std::vector<MailEntry> ReceivedMails;
    std::vector<MailEntry> SentMails;
    int ReceivedCount = 0;
    int SentCount = 0;
    std::u16string CurrentPhoto;  // file name of the photo last taken or shown
    // CurrentPhoto is this station's own shot (its snapshot in tmp_photo/), not one shown from a mail.
    bool CurrentPhotoIsSnapshot = false;
    Capture* CaptureWindow = nullptr; // the camera's preview window made at start-up; null without one
    int ReceiveNoticeTicks = 0;   // steps of the arrival shake done
    int SendNoticeTicks = 0;      // seconds of the send notice done
    bool SendNoticeFoundNobody = false; // the send notice tells that the address reached nobody
};

} // namespace vq
