#include "mail/MailNotices.h"

#include "mail/MailDelivery.h"
#include "mail/MailList.h"
#include "mail/MailScreens.h"
#include "shell/Phone.h"

#include <array>

namespace vq {
namespace {

struct Offset {
    int left;
    int top;
};

// One round of the shake around the window's resting place, repeated four times.
constexpr std::array<Offset, 8> kShakeRound{{{15, -15}, {0, 0}, {-15, 15}, {0, 0}, {-15, -15}, {0, 0}, {15, 15}, {0, 0}}};
constexpr int kShakeSteps = 32;
constexpr int kShakeIntervalMs = 30;
constexpr int kSendNoticeIntervalMs = 1000;
constexpr int kSendingSeconds = 2;

void ShowNotice(Phone& phone, std::u16string_view text) {
    phone.mailPanel.lblMailSend.Caption = text;
    phone.mailPanel.lblMailSend.Visible = true;
}

void MoveWindowAroundRest(Phone& phone, Offset offset) {
    const WindowPos& rest = phone.shell.SavedWindowPos;
    phone.window.form.Left = rest.Left + offset.left;
    phone.window.form.Top = rest.Top + offset.top;
}

void EndReceiveNotice(Phone& phone) {
    phone.mailPanel.lblMailSend.Visible = false;
    phone.window.Timer2.Enabled = false;
    // The pupil looking at the received box sees the new mail at once.
    if (phone.mail.ScreenMode == "RM") {
        ShowReceivedBox(phone);
        FillMailList(phone, MailBox::Received);
    }
}

} // namespace

void StartReceiveNotice(Phone& phone) {
    // A window the pupil has not touched since start has no hit test behind it yet; it rests where
    // it stands. A shake already running leaves its resting place as it is.
    if (!phone.window.Timer2.Enabled) phone.shell.SavedWindowPos = {phone.window.form.Top, phone.window.form.Left};
    phone.mail.ReceiveNoticeTicks = 0;
    phone.window.Timer2 = {kShakeIntervalMs, true};
}

void StartSendNotice(Phone& phone) {
    phone.mail.SendNoticeTicks = 0;
    phone.mail.SendNoticeFoundNobody = false;
    ShowNotice(phone, u"メール送信中");
    phone.window.Timer3 = {kSendNoticeIntervalMs, true};
}

void StartNoRecipientNotice(Phone& phone) {
    phone.mail.SendNoticeTicks = 0;
    phone.mail.SendNoticeFoundNobody = true;
    ShowNotice(phone, u"宛先が見つかりません");
    phone.window.Timer3 = {kSendNoticeIntervalMs, true};
}

bool SendNoticeRunning(const Phone& phone) { return phone.window.Timer3.Enabled; }

void ShakeTick(Phone& phone) {
    if (!phone.window.Timer2.Enabled) return;
    int& step = phone.mail.ReceiveNoticeTicks;
    const std::size_t inRound = static_cast<std::size_t>(step) % kShakeRound.size();
    MoveWindowAroundRest(phone, kShakeRound[inRound]);
    if (inRound == 0) ShowNotice(phone, u"メールを受信しました");
    if (++step >= kShakeSteps) EndReceiveNotice(phone);
}

void SendNoticeTick(Phone& phone) {
    if (!SendNoticeRunning(phone)) return;
    const int seconds = ++phone.mail.SendNoticeTicks;
    if (seconds == kSendingSeconds && !phone.mail.SendNoticeFoundNobody) phone.mailPanel.lblMailSend.Caption = u"送信しました";
    if (seconds > kSendingSeconds) {
        phone.mailPanel.lblMailSend.Visible = false;
        phone.window.Timer3.Enabled = false;
    }
}

} // namespace vq
