#pragma once

namespace vq {
class Phone;

enum class SendResult {
    NoAddress,   // the address field is empty: nothing happens
    NoRecipient, // the address reaches nobody: nothing happens, the fields keep their texts
    Sent,        // delivered: the fields are cleared, the sent table has the mail, the notice runs
};

// Sends the mail of the new-mail screen (address, subject, body and, while the photo area shows, the
// current photo). The address is a station with an inbox, "All" or "全員" for every station,
// "send_Photo_Mail" for the photo-registration answer or "spam_Mail" for the canned spam.
//
// A mail that could not be delivered throws PlatformError and keeps the fields, to be sent again. One
// that was delivered is sent, once: what fails after the delivery (the sent log, the activity log),
// and the stations a broadcast could not reach, are reported to the pupil, but the mail counts as
// sent, so that 送信 pressed again cannot deliver it a second time.
[[nodiscard]] SendResult SendMail(Phone& phone);

} // namespace vq
