#pragma once

namespace vq {
class Phone;

// The two notices of the mail panel. The arrival notice shakes the phone for 32 steps of Timer2
// (about a second) with "メールを受信しました"; the send notice shows "メール送信中" and then
// "送信しました" for three seconds of Timer3. Their steps are ShakeTick and SendNoticeTick
// (mail/MailDelivery.h); starting one again starts it from its first step.
void StartReceiveNotice(Phone& phone);
void StartSendNotice(Phone& phone);
// The send notice's three seconds saying "宛先が見つかりません" instead: the address reached nobody.
void StartNoRecipientNotice(Phone& phone);

[[nodiscard]] bool SendNoticeRunning(const Phone& phone);

} // namespace vq
