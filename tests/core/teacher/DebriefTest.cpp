// The debrief from known logs: what counts as typed, repeats, spam per sign-up, masking and hiding.

#include "platform/Text.h"
#include "teacher/ClassReport.h"
#include "teacher/ClassTotals.h"
#include "teacher/Debrief.h"
#include "teacher/DebriefRows.h"
#include "teacher/Masking.h"

#include <gtest/gtest.h>

using namespace vq;

namespace {

StationLesson Lesson(const std::string& station, const std::vector<std::string>& utf8Log,
                     const std::vector<std::string>& utf8Sent = {}) {
    std::vector<std::string> log, sent;
    for (const auto& line : utf8Log) log.push_back(Utf8ToCp932(station + ",10.0.0.1,2026/12/07 9:00:00," + line));
    for (const auto& line : utf8Sent) sent.push_back(Utf8ToCp932(line));
    return {station, EventsOf(log), SentMailsOf(sent)};
}

std::string Masked(Collected kind, const std::string& utf8) { return WideToUtf8(MaskValue(kind, Utf8ToWide(utf8))); }

} // namespace

TEST(Debrief, EmptyFortunesAreNotCollectedAndRepeatsAreCountedOnce) {
    const Debrief d = DebriefOf({Lesson("PC01", {"姓名占い,", "姓名占い,　 ", "星座占い,00月00日", "相性占い,、",
                                                 "電話番号占い,090", "電話番号占い,090", "相性占い,、はなこ",
                                                 "姓名占い,山田,太郎"})},
                                0);
    ASSERT_EQ(d.collected.size(), 3u);
    EXPECT_EQ(WideToUtf8(d.collected[0].value), "090");
    EXPECT_EQ(d.collected[0].times, 2);
    EXPECT_EQ(d.collected[1].kind, Collected::Pair);
    EXPECT_EQ(WideToUtf8(d.collected[2].value), "山田,太郎"); // commas in the detail stay
    EXPECT_EQ(StationsThatTyped(d, Collected::PhoneNumber), 1);
    EXPECT_EQ(StationsThatTyped(d, Collected::Name), 1);
    EXPECT_EQ(StationsThatTyped(d, Collected::Birthday), 0);
}

TEST(Debrief, SpamIsCountedPerMailToTheSpamAddressAndPhotosOnlyWithAPhoto) {
    const std::string spam = "PC01#c#10.0.0.1#c#2026/12/07 9:01:00#c#spam_Mail#c#会員登録します#c#メールを送ります";
    const std::string photo = "PC01#c#10.0.0.1#c#2026/12/07 9:02:00#c#send_Photo_Mail#c#件名#c#本文{Photo}PC0190200.jpg";
    const std::string noPhoto = "PC01#c#10.0.0.1#c#2026/12/07 9:03:00#c#send_Photo_Mail#c#件名#c#本文";
    const Debrief d = DebriefOf({Lesson("PC01", {"無料会員登録,登録した"}, {spam, spam, photo, noPhoto}),
                                 Lesson("PC02", {"無料会員登録,登録した"})},
                                3);
    ASSERT_EQ(d.freeSignUps.size(), 2u);
    EXPECT_EQ(d.freeSignUps[0].spamMails, 6);
    EXPECT_EQ(d.freeSignUps[1].spamMails, 0); // signed up but never sent the mail
    ASSERT_EQ(d.photos.size(), 1u);
    EXPECT_EQ(WideToUtf8(d.photos[0].photo), "PC0190200.jpg");
    EXPECT_EQ(WideToUtf8(d.photos[0].time), "2026/12/07 9:02:00");
}

TEST(Debrief, TotalsSayWhenNoOneDidSomething) {
    const Debrief d = DebriefOf({Lesson("PC01", {"アダルトサイト,はい", "アダルトサイト,はい", "アダルトサイト,いいえ"}),
                                 Lesson("PC02", {"アダルトサイト,はい"})},
                                0);
    const auto totals = ClassTotals(d, {});
    std::vector<std::string> utf8;
    for (const auto& s : totals) utf8.push_back(WideToUtf8(s));
    EXPECT_EQ(utf8[3], "電話番号を入力した人はいませんでした。");
    EXPECT_EQ(utf8[5].substr(0, utf8[5].find("。")), "アダルトサイトで2人が「はい」、1人が「いいえ」を押しました");
    EXPECT_EQ(utf8.back(), "まだ端末が一台もありません。");
}

TEST(Masking, HidesTheIdentifyingPart) {
    EXPECT_EQ(Masked(Collected::PhoneNumber, "09012345678"), "0901234****");
    EXPECT_EQ(Masked(Collected::PhoneNumber, "090-1234-5678"), "090-1234-****");
    EXPECT_EQ(Masked(Collected::PhoneNumber, "０９０１２３４５６７８"), "０９０１２３４＊＊＊＊"); // full-width digits
    EXPECT_EQ(Masked(Collected::MailAddress, "taro@example.jp"), "ta**@example.jp");
    EXPECT_EQ(Masked(Collected::MailAddress, "taro"), "ta**");
    EXPECT_EQ(Masked(Collected::Name, "山田 太郎"), "山＊ ＊＊");
    EXPECT_EQ(Masked(Collected::Birthday, "05月03日"), "05月**日");
    EXPECT_EQ(Masked(Collected::Pair, "はなこ、たろう"), "は＊＊、た＊＊");
}

TEST(DebriefRows, HiddenNamesLeaveNoStationAndNoStationOrder) {
    const Debrief d = DebriefOf({Lesson("PC01", {"電話番号占い,0903"}), Lesson("PC02", {"電話番号占い,0801"})}, 0);
    const auto shown = DebriefRows(d, {});
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(WideToUtf8(shown[0].station), "PC01");
    const auto hidden = DebriefRows(d, {true, true});
    ASSERT_EQ(hidden.size(), 2u);
    EXPECT_EQ(WideToUtf8(hidden[0].value), "****");
    EXPECT_TRUE(hidden[0].station.empty());
    EXPECT_TRUE(hidden[0].time.empty());
    const auto unmasked = DebriefRows(d, {true, false});
    EXPECT_EQ(WideToUtf8(unmasked[0].value), "0801"); // sorted by value, not by station
}

TEST(ReportCsv, QuotesWhatNeedsItAndNeverStartsAFormula) {
    const Debrief d = DebriefOf({Lesson("PC01", {"姓名占い,=HYPERLINK(\"x\")", "メルアド占い,a,b@example.jp"})}, 0);
    ClassSnapshot snapshot;
    snapshot.debrief = d;
    const std::string csv = ReportCsv(snapshot);
    EXPECT_NE(csv.find("\r\n名前,PC01,\"'=HYPERLINK(\"\"x\"\")\","), std::string::npos) << csv;
    EXPECT_NE(csv.find("\r\nメールアドレス,PC01,\"a,b@example.jp\","), std::string::npos);
    // The text report keeps a cell on its line whatever was typed.
    const Debrief broken = DebriefOf({Lesson("PC01", {"姓名占い,a\tb"})}, 0);
    snapshot.debrief = broken;
    EXPECT_NE(ReportText(snapshot).find("名前\tPC01\ta b\t"), std::string::npos);
}
