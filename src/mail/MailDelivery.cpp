#include "mail/MailDelivery.h"

// Delivery and the notices are not built yet: the timers and the two mail pages do nothing.
namespace vq {

void PollMail(Phone&) {}
void ShakeTick(Phone&) {}
void SendNoticeTick(Phone&) {}
void ReactToSpamSignUpPage(Phone&) {}
void ReactToPhotoMailPage(Phone&) {}

} // namespace vq
