#include "teacher/ClassTotals.h"

#include "platform/Text.h"

#include <algorithm>
#include <set>

namespace vq {
namespace {

std::u16string Number(std::int64_t n) { return Utf8ToWide(std::to_string(n)); }

// "3人が電話番号を入力しました。", or that no one did.
std::u16string TypedSentence(const Debrief& debrief, Collected kind) {
    const int n = StationsThatTyped(debrief, kind);
    if (kind == Collected::Pair)
        return n == 0 ? u"相性占いに名前を入力した人はいませんでした。"
                      : Number(n) + u"人が相性占いに、自分や友だちの名前を入力しました。";
    if (n == 0) return CollectedLabel(kind) + u"を入力した人はいませんでした。";
    return Number(n) + u"人が" + CollectedLabel(kind) + u"を入力しました。";
}

template <typename List, typename Keep>
int StationsWith(const List& list, Keep keep) {
    std::set<std::string> stations;
    for (const auto& item : list)
        if (keep(item)) stations.insert(item.station);
    return static_cast<int>(stations.size());
}

std::u16string AdultSentence(const Debrief& debrief) {
    const int yes = StationsWith(debrief.adultSite, [](const RiskClick& c) { return c.detail == u"はい"; });
    const int no = StationsWith(debrief.adultSite, [](const RiskClick& c) { return c.detail == u"いいえ"; });
    if (yes == 0 && no == 0) return u"アダルトサイトのボタンを押した人はいませんでした。";
    return u"アダルトサイトで" + Number(yes) + u"人が「はい」、" + Number(no) +
           u"人が「いいえ」を押しました。どちらを押しても同じページが開き、端末のアドレスが表示されました。";
}

std::u16string DatingSentence(const Debrief& debrief) {
    const int n = StationsWith(debrief.datingSite, [](const RiskClick&) { return true; });
    if (n == 0) return u"出会い系サイトに登録した人はいませんでした。";
    return Number(n) + u"人が出会い系サイトに登録しました。";
}

std::u16string SignUpSentence(const Debrief& debrief) {
    const int n = StationsWith(debrief.freeSignUps, [](const FreeSignUp& s) { return s.signUps > 0; });
    std::int64_t spam = 0;
    for (const FreeSignUp& s : debrief.freeSignUps) spam += s.spamMails;
    if (n == 0 && spam == 0) return u"無料会員登録をした人はいませんでした。";
    if (spam == 0) return Number(n) + u"人が無料会員登録をしました。";
    return Number(n) + u"人が無料会員登録をして、迷惑メールを合わせて" + Number(spam) + u"通受け取りました。";
}

std::u16string PhotoSentence(const Debrief& debrief) {
    const int n = StationsWith(debrief.photos, [](const PhotoRegistration&) { return true; });
    if (n == 0) return u"登録用のアドレスに写真を送った人はいませんでした。";
    return Number(n) + u"人が登録用のアドレスに写真を送りました。";
}

std::u16string BillSentence(const std::vector<StationSummary>& stations) {
    std::int64_t total = 0, highest = 0;
    for (const StationSummary& s : stations) {
        total += s.bill.total;
        highest = std::max(highest, s.bill.total);
    }
    if (stations.empty()) return u"まだ端末が一台もありません。";
    const auto average = (total + static_cast<std::int64_t>(stations.size()) / 2) / static_cast<std::int64_t>(stations.size());
    return u"クラス全体の利用料金は合計" + Number(total) + u"円、一人あたり平均" + Number(average) +
           u"円でした。いちばん高い人は" + Number(highest) + u"円でした。";
}

} // namespace

std::vector<std::u16string> ClassTotals(const Debrief& debrief, const std::vector<StationSummary>& stations) {
    std::vector<std::u16string> sentences;
    for (const Collected kind : {Collected::Name, Collected::Birthday, Collected::MailAddress, Collected::PhoneNumber, Collected::Pair})
        sentences.push_back(TypedSentence(debrief, kind));
    sentences.push_back(AdultSentence(debrief));
    sentences.push_back(DatingSentence(debrief));
    sentences.push_back(SignUpSentence(debrief));
    sentences.push_back(PhotoSentence(debrief));
    sentences.push_back(BillSentence(stations));
    return sentences;
}

} // namespace vq
