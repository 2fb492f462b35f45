#pragma once

namespace vq {
class Phone;

// Timer1: take what other stations have mailed to this one.
void PollMail(Phone& phone);
// Timer2: one step of the arrival shake.
void ShakeTick(Phone& phone);
// Timer3: one second of the send notice.
void SendNoticeTick(Phone& phone);
// The pages that ask the pupil to send a mail open the new-mail screen, prepared.
void ReactToSpamSignUpPage(Phone& phone);
void ReactToPhotoMailPage(Phone& phone);

} // namespace vq
