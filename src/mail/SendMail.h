#pragma once

namespace vq {
class Phone;

// Sends the mail of the new-mail screen (address, subject, body and, while the photo area shows, the
// current photo). The address is a station with an inbox, "All" or "全員" for every station,
// "send_Photo_Mail" for the photo-registration answer or "spam_Mail" for the canned spam; with any
// other address, or none, nothing happens and the fields keep their texts.
void SendMail(Phone& phone);

} // namespace vq
