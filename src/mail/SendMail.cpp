#include "mail/SendMail.h"

#include "mail/InboxDirectory.h"
#include "mail/InboxFile.h"
#include "mail/MailNotices.h"
#include "mail/MailPaths.h"
#include "mail/MailRecord.h"
#include "mail/MailTable.h"
#include "mail/PhotoForReceivers.h"
#include "mail/PhotoMarker.h"
#include "mail/SpecialAddresses.h"
#include "platform/Files.h"
#include "platform/LockedFile.h"
#include "platform/PlatformError.h"
#include "platform/Text.h"
#include "shell/Phone.h"
#include "site/ActivityLog.h"
#include "site/RecordText.h"
#include "site/VirtualSite.h"

#include <optional>
#include <vector>

namespace vq {
namespace {

enum class Route { PhotoRegistration, Station, Broadcast, Spam };

struct Outgoing {
    std::u16string address;
    std::u16string subject; // as typed
    std::u16string body;    // as typed
    std::u16string photo;   // the attached photo's name; empty without one
};

std::string TimeNow(const Phone& phone) { return TimeStampText(phone.clock.Now()); }

std::optional<Route> RouteOf(const Phone& phone, std::u16string_view address) {
    if (address == kPhotoRegistrationAddress) return Route::PhotoRegistration;
    if (FindInbox(phone, ToNarrow(address))) return Route::Station;
    if (IsBroadcast(address)) return Route::Broadcast;
    if (address == kSpamAddress) return Route::Spam;
    return std::nullopt;
}

std::u16string AttachedPhoto(const Phone& phone) {
    return phone.mailPanel.pnlPhoto2.Visible ? phone.mail.CurrentPhoto : std::u16string();
}

// The record of this mail for one recipient field.
MailRecord RecordOf(const Phone& phone, const Outgoing& mail, std::u16string recipient) {
    return {phone.StationName, phone.StationAddress, TimeNow(phone), std::move(recipient),
            EncodeRecordText(mail.subject), StoredMailBody(mail.body, mail.photo)};
}

// A mail the station sends itself in the name of a special sender; texts in stored form.
MailRecord AnswerRecord(const Phone& phone, std::string_view sender, std::u16string subject, std::u16string body) {
    return {std::string(sender), phone.StationAddress, TimeNow(phone), ToWide(phone.StationName), std::move(subject),
            std::move(body)};
}

void Deliver(const std::string& inbox, std::string_view lines) {
    if (!AppendToInbox(inbox, lines)) throw PlatformError("宛先の受信箱が見つかりません: " + Cp932ToUtf8(inbox));
}

// The inbox may have gone since the route was chosen: then the station has left the classroom.
void DeliverToStation(const Phone& phone, const std::string& station, const MailRecord& record) {
    const auto inbox = FindInbox(phone, station);
    Deliver(inbox ? *inbox : InboxPath(phone, station), FormatMailRecord(record));
}

// Several records go in one append, so that they arrive all together or not at all.
void DeliverToSelf(Phone& phone, const std::vector<MailRecord>& records) {
    if (records.empty()) return;
    std::string lines;
    for (const MailRecord& record : records) {
        if (!lines.empty()) lines += "\r\n";
        lines += FormatMailRecord(record);
    }
    Deliver(InboxPath(phone, phone.StationName), lines);
}

MailRecord PhotoRegistrationAnswer(const Phone& phone, std::u16string_view photo) {
    if (photo.empty())
        return AnswerRecord(phone, "send_Photo_Mail", u"写真が送信されませんでした",
                            u"写真が送信されませんでした。　このアドレスに、写真を返信してください。");
    std::u16string body = u"「" + ReplaceAllNoCase(photo, u".jpg", u"") + u"」で写真を登録しました。プロフの作成は" +
                          ToWide(VirtualSiteRoot) + u"prof_write.htmlから。下の「表示」をクリックしてください↓";
    return AnswerRecord(phone, "send_Photo_Mail", u"写真を登録しました", EncodeRecordText(body));
}

// One canned spam line: subject, "#c#", body. A line without the separator is all body.
MailRecord SpamMail(const Phone& phone, std::string_view line) {
    const std::size_t at = FindCp932(line, "#c#");
    if (at == std::string_view::npos) return AnswerRecord(phone, "spam_Mail", u"", ToWide(line));
    return AnswerRecord(phone, "spam_Mail", ToWide(line.substr(0, at)), ToWide(line.substr(at + 3)));
}

void DeliverSpam(Phone& phone) {
    std::vector<MailRecord> spam;
    for (const std::string& line : ReadLines(SpamMailPath(phone)))
        if (!line.empty()) spam.push_back(SpamMail(phone, line));
    DeliverToSelf(phone, spam);
}

// Every station present gets its own copy with its own name as recipient. A station whose inbox
// went away since the folder was listed has left the classroom and is skipped; one whose inbox
// cannot be written does not keep the others from getting theirs. Gives what could not be reached.
std::vector<std::string> DeliverToEveryone(Phone& phone, const Outgoing& mail) {
    std::vector<std::string> unreached;
    std::string reason;
    bool reachedAny = false;
    for (const InboxListing& inbox : ListInboxes(phone)) {
        try {
            if (AppendToInbox(InboxFolder(phone) + inbox.file,
                              FormatMailRecord(RecordOf(phone, mail, ToWide(inbox.station)))))
                reachedAny = true;
        } catch (const PlatformError& e) {
            unreached.push_back(inbox.station);
            if (reason.empty()) reason = e.what();
        }
    }
    if (unreached.empty()) return {};
    if (!reachedAny) throw PlatformError("どの端末にもメールを届けられませんでした。" + reason);
    std::string names;
    for (const std::string& station : unreached) names += (names.empty() ? "" : "、") + Cp932ToUtf8(station);
    return {"次の端末にはメールを届けられませんでした: " + names + "。" + reason};
}

// What went wrong on the way, for the pupil; empty when all went well.
std::vector<std::string> DeliverBy(Phone& phone, Route route, const Outgoing& mail, const MailRecord& record) {
    switch (route) {
    case Route::PhotoRegistration: DeliverToSelf(phone, {PhotoRegistrationAnswer(phone, mail.photo)}); break;
    case Route::Station: DeliverToStation(phone, ToNarrow(mail.address), record); break;
    case Route::Broadcast: return DeliverToEveryone(phone, mail);
    case Route::Spam: DeliverSpam(phone); break;
    }
    return {};
}

void ClearNewMailFields(MailPanel& panel) {
    panel.ComboBoxMail.Text.clear();
    panel.txtNewSubject.Text.clear();
    panel.txtNewBody.Text.clear();
}

// Runs a step after the delivery; its failure is told to the pupil but undoes nothing.
template <typename Step>
void AfterDelivery(std::vector<std::string>& problems, const char* what, Step&& step) {
    try {
        step();
    } catch (const PlatformError& e) {
        problems.push_back(std::string(what) + e.what());
    }
}

} // namespace

SendResult SendMail(Phone& phone) {
    MailPanel& panel = phone.mailPanel;
    Outgoing mail{panel.ComboBoxMail.Text, panel.txtNewSubject.Text, panel.txtNewBody.Text, AttachedPhoto(phone)};
    if (mail.address.empty()) return SendResult::NoAddress;
    const std::optional<Route> route = RouteOf(phone, mail.address);
    if (!route) return SendResult::NoRecipient;
    if (!mail.photo.empty()) mail.photo = PlacePhotoForReceivers(phone, mail.photo);
    const MailRecord record = RecordOf(phone, mail, mail.address);
    std::vector<std::string> problems = DeliverBy(phone, *route, mail, record);

    // From here on the mail has gone.
    AfterDelivery(problems, "メールは送信されていますが、送信済みメールの記録を書き込めませんでした。",
                  [&] { AppendSharedLineOrFail(SentLogPath(phone), FormatMailRecord(record)); });
    // The spam answer ignores the photo: it is no photo mail.
    const bool photoMail = !mail.photo.empty() && *route != Route::Spam;
    AddMailEntry(TableOf(phone.mail, MailBox::Sent),
                 {mail.address, ToWide(TimeNow(phone)), mail.subject, mail.body, photoMail ? mail.photo : u""});
    ClearNewMailFields(panel);
    StartSendNotice(phone);
    AfterDelivery(problems, "メールは送信されていますが、利用記録を書き込めませんでした。",
                  [&] { LogActivity(phone, photoMail ? u"写真つきメール送信" : u"メール送信"); });
    // One message, however many steps failed: a share that is gone fails them all at once.
    if (!problems.empty()) {
        std::string message;
        for (const std::string& problem : problems) message += (message.empty() ? "" : "\n") + problem;
        phone.errors.Report(message);
    }
    return SendResult::Sent;
}

} // namespace vq
