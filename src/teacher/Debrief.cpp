#include "teacher/Debrief.h"

#include "mail/PhotoMarker.h"
#include "platform/Text.h"

#include <algorithm>
#include <optional>

namespace vq {
namespace {

std::optional<Collected> FortuneKind(std::u16string_view title) {
    if (title == u"姓名占い") return Collected::Name;
    if (title == u"星座占い") return Collected::Birthday;
    if (title == u"メルアド占い") return Collected::MailAddress;
    if (title == u"電話番号占い") return Collected::PhoneNumber;
    if (title == u"相性占い") return Collected::Pair;
    return std::nullopt;
}

bool OnlyBlanks(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c <= u' ' || c == u'　'; });
}

// The fortunes log their subject even when nothing was typed: an empty name, the birthday
// "00月00日", the pair "、".
bool WasTyped(Collected kind, std::u16string_view value) {
    if (kind == Collected::Birthday) return value != u"00月00日";
    if (kind == Collected::Pair) {
        const std::size_t mark = value.find(u'、');
        if (mark == std::u16string_view::npos) return !OnlyBlanks(value);
        return !OnlyBlanks(value.substr(0, mark)) || !OnlyBlanks(value.substr(mark + 1));
    }
    return !OnlyBlanks(value);
}

void AddCollected(std::vector<CollectedValue>& list, std::size_t stationStart, const std::string& station,
                  Collected kind, const ActivityLogLine& event) {
    const auto same = std::find_if(list.begin() + static_cast<std::ptrdiff_t>(stationStart), list.end(),
                                   [&](const CollectedValue& v) { return v.kind == kind && v.value == event.detail; });
    if (same != list.end()) {
        ++same->times;
        return;
    }
    list.push_back({station, kind, event.detail, event.time});
}

void AddClick(std::vector<RiskClick>& list, std::size_t stationStart, const std::string& station,
              const ActivityLogLine& event) {
    const auto same = std::find_if(list.begin() + static_cast<std::ptrdiff_t>(stationStart), list.end(),
                                   [&](const RiskClick& c) { return c.detail == event.detail; });
    if (same != list.end()) {
        ++same->times;
        return;
    }
    list.push_back({station, event.detail, event.time});
}

void AddEvents(Debrief& debrief, const StationLesson& lesson, FreeSignUp& signUp) {
    const std::size_t collectedStart = debrief.collected.size();
    const std::size_t adultStart = debrief.adultSite.size();
    const std::size_t datingStart = debrief.datingSite.size();
    for (const ActivityLogLine& event : lesson.events) {
        if (const auto kind = FortuneKind(event.title)) {
            if (WasTyped(*kind, event.detail)) AddCollected(debrief.collected, collectedStart, lesson.station, *kind, event);
        } else if (event.title == u"アダルトサイト") {
            AddClick(debrief.adultSite, adultStart, lesson.station, event);
        } else if (event.title == u"出会い系サイト") {
            AddClick(debrief.datingSite, datingStart, lesson.station, event);
        } else if (event.title == u"無料会員登録") {
            if (signUp.signUps++ == 0) signUp.time = event.time;
        }
    }
}

void AddSentMails(Debrief& debrief, const StationLesson& lesson, FreeSignUp& signUp, std::int64_t spamPerMail) {
    for (const MailRecord& mail : lesson.sent) {
        if (mail.recipient == u"spam_Mail") {
            if (signUp.time.empty()) signUp.time = ToWide(mail.sentAt);
            signUp.spamMails += spamPerMail;
        } else if (mail.recipient == u"send_Photo_Mail") {
            const MailBody split = ReadStoredMailBody(mail.body);
            if (!split.photo.empty()) debrief.photos.push_back({lesson.station, split.photo, ToWide(mail.sentAt)});
        }
    }
}

} // namespace

Debrief DebriefOf(const std::vector<StationLesson>& lessons, std::int64_t spamPerMail) {
    Debrief debrief;
    for (const StationLesson& lesson : lessons) {
        FreeSignUp signUp;
        signUp.station = lesson.station;
        AddEvents(debrief, lesson, signUp);
        AddSentMails(debrief, lesson, signUp, spamPerMail);
        if (signUp.signUps > 0 || signUp.spamMails > 0) debrief.freeSignUps.push_back(signUp);
    }
    return debrief;
}

int StationsThatTyped(const Debrief& debrief, Collected kind) {
    std::vector<std::string> stations;
    for (const CollectedValue& value : debrief.collected)
        if (value.kind == kind && std::find(stations.begin(), stations.end(), value.station) == stations.end())
            stations.push_back(value.station);
    return static_cast<int>(stations.size());
}

std::u16string CollectedLabel(Collected kind) {
    switch (kind) {
    case Collected::Name: return u"名前";
    case Collected::Birthday: return u"誕生日";
    case Collected::MailAddress: return u"メールアドレス";
    case Collected::PhoneNumber: return u"電話番号";
    case Collected::Pair: return u"相性占いの二人の名前";
    }
    return {};
}

} // namespace vq
