#include "teacher/DebriefRows.h"

#include "platform/Text.h"
#include "teacher/Masking.h"

#include <algorithm>

namespace vq {
namespace {

std::u16string Times(int times) { return times > 1 ? u"（" + Utf8ToWide(std::to_string(times)) + u"回）" : u""; }

struct RowSink {
    const DebriefOptions& options;
    std::vector<DebriefRow>& rows;
    std::size_t topicStart = 0;

    void Begin() { topicStart = rows.size(); }
    void Add(std::u16string topic, const std::string& station, std::u16string value, std::u16string time) {
        rows.push_back({std::move(topic), options.hideStations ? std::u16string() : ToWide(station), std::move(value),
                        options.hideStations ? std::u16string() : std::move(time)});
    }
    void End() {
        if (!options.hideStations) return;
        std::sort(rows.begin() + static_cast<std::ptrdiff_t>(topicStart), rows.end(),
                  [](const DebriefRow& a, const DebriefRow& b) { return a.value < b.value; });
    }
};

} // namespace

std::u16string AdultSiteTopic() { return u"アダルトサイト"; }
std::u16string DatingSiteTopic() { return u"出会い系サイト"; }
std::u16string FreeSignUpTopic() { return u"無料会員登録"; }
std::u16string PhotoTopic() { return u"登録用アドレスへの写真"; }

std::vector<DebriefRow> DebriefRows(const Debrief& debrief, const DebriefOptions& options) {
    std::vector<DebriefRow> rows;
    RowSink sink{options, rows};
    for (const Collected kind : {Collected::Name, Collected::Birthday, Collected::MailAddress, Collected::PhoneNumber, Collected::Pair}) {
        sink.Begin();
        for (const CollectedValue& v : debrief.collected) {
            if (v.kind != kind) continue;
            std::u16string value = options.maskValues ? MaskValue(kind, v.value) : v.value;
            sink.Add(CollectedLabel(kind), v.station, value + Times(v.times), v.time);
        }
        sink.End();
    }
    sink.Begin();
    for (const RiskClick& c : debrief.adultSite)
        sink.Add(AdultSiteTopic(), c.station, u"「" + c.detail + u"」を押した" + Times(c.times), c.time);
    sink.End();
    sink.Begin();
    for (const RiskClick& c : debrief.datingSite) sink.Add(DatingSiteTopic(), c.station, u"登録した" + Times(c.times), c.time);
    sink.End();
    sink.Begin();
    for (const FreeSignUp& s : debrief.freeSignUps) {
        std::u16string value = s.signUps > 0 ? u"登録した" + Times(s.signUps) : u"登録ページは使わずにメールを送った";
        value += u"　迷惑メール " + Utf8ToWide(std::to_string(s.spamMails)) + u"通";
        sink.Add(FreeSignUpTopic(), s.station, value, s.time);
    }
    sink.End();
    sink.Begin();
    for (const PhotoRegistration& p : debrief.photos) sink.Add(PhotoTopic(), p.station, p.photo, p.time);
    sink.End();
    return rows;
}

} // namespace vq
