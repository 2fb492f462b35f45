// The console's report of a lesson that three stations played through vqsim: every bill equals what
// the station's own charge page showed, and the debrief holds what was typed and clicked.

#include "platform/NativePath.h"
#include "platform/Text.h"
#include "support/Classroom.h"
#include "support/DemoRun.h"
#include "teacher/ClassReport.h"
#include "teacher/ClassTotals.h"
#include "teacher/ClassWatcher.h"
#include "teacher/TeacherCommand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>

using namespace vq;
using namespace vqtest;

namespace {

class ClassReportTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        lesson_ = new Classroom;
        lesson_->UseSampleContent();
        RunDemoScript(*lesson_, "class-lesson.vqs");
        watcher_ = new ClassWatcher(ClassroomFolder::Open(FromNativeName(lesson_->root.string())),
                                    AppendedLines::Tail::TakeAsIs);
        snapshot_ = &watcher_->Refresh();
    }
    static void TearDownTestSuite() {
        delete watcher_;
        delete lesson_;
    }
    static const StationSummary& Summary(const std::string& name) {
        const auto it = std::find_if(snapshot_->stations.begin(), snapshot_->stations.end(),
                                     [&](const StationSummary& s) { return s.station == name; });
        EXPECT_NE(it, snapshot_->stations.end()) << name;
        return *it;
    }
    static Classroom* lesson_;
    static ClassWatcher* watcher_;
    static const ClassSnapshot* snapshot_;
};

Classroom* ClassReportTest::lesson_ = nullptr;
ClassWatcher* ClassReportTest::watcher_ = nullptr;
const ClassSnapshot* ClassReportTest::snapshot_ = nullptr;

struct PageRow {
    std::string title;
    std::int64_t count;
    std::int64_t yen;
};

// The rows and the total of a charge page the phone wrote.
std::vector<PageRow> ChargePageRows(const std::string& page, std::int64_t& total) {
    static const std::regex row(R"(<font size = "2">([^<]*)\((\d+)回\)</font></td><td align="right"><font size = "2">　(\d+)円)");
    static const std::regex sum(R"(利用合計＝　<font color="#ff0000" size="4">(\d+)円)");
    std::vector<PageRow> rows;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), row); it != std::sregex_iterator(); ++it)
        rows.push_back({(*it)[1], std::stoll((*it)[2]), std::stoll((*it)[3])});
    std::smatch m;
    total = std::regex_search(page, m, sum) ? std::stoll(m[1]) : -1;
    return rows;
}

} // namespace

TEST_F(ClassReportTest, EveryBillEqualsTheStationsOwnChargePageTitleByTitle) {
    ASSERT_EQ(snapshot_->stations.size(), 3u);
    for (const std::string name : {"PC01", "PC02", "PC03"}) {
        SCOPED_TRACE(name);
        std::int64_t pageTotal = 0;
        const auto pageRows = ChargePageRows(lesson_->Read("price/tmp" + name + "price.html"), pageTotal);
        const Bill& bill = Summary(name).bill;
        ASSERT_FALSE(pageRows.empty());
        ASSERT_EQ(bill.rows.size(), pageRows.size());
        for (std::size_t i = 0; i < pageRows.size(); ++i) {
            EXPECT_EQ(WideToUtf8(bill.rows[i].title), pageRows[i].title);
            EXPECT_EQ(bill.rows[i].count, pageRows[i].count) << pageRows[i].title;
            EXPECT_EQ(bill.rows[i].yen, pageRows[i].yen) << pageRows[i].title;
        }
        EXPECT_EQ(bill.total, pageTotal);
    }
}

TEST_F(ClassReportTest, TheClassViewCountsMailPostsProfilesAndRiskClicks) {
    const StationSummary& pc01 = Summary("PC01");
    EXPECT_EQ(pc01.mailsSent, 1);
    EXPECT_EQ(pc01.mailsReceived, 1);
    EXPECT_EQ(pc01.boardPosts, 1);
    EXPECT_EQ(pc01.riskClicks, 0);
    EXPECT_EQ(pc01.running, StationRunning::No);
    EXPECT_EQ(WideToUtf8(pc01.lastActivity), "2026/12/07 9:02:45");
    const StationSummary& pc02 = Summary("PC02");
    EXPECT_EQ(pc02.mailsSent, 2); // the reply and the photo to the registration address
    EXPECT_EQ(pc02.timelinePosts, 1);
    EXPECT_EQ(pc02.profiles, 1);
    EXPECT_EQ(pc02.riskClicks, 1);
    const StationSummary& pc03 = Summary("PC03");
    EXPECT_EQ(pc03.riskClicks, 3);
    EXPECT_EQ(pc03.mailsReceived, 4); // the canned spam
    EXPECT_EQ(pc03.boardPosts, 1);
}

TEST_F(ClassReportTest, TheDebriefListsWhatTheFakeSitesCollected) {
    const Debrief& d = snapshot_->debrief;
    std::vector<std::string> collected;
    for (const CollectedValue& v : d.collected)
        collected.push_back(v.station + " " + WideToUtf8(CollectedLabel(v.kind)) + " " + WideToUtf8(v.value));
    EXPECT_EQ(collected, (std::vector<std::string>{"PC01 名前 山田太郎", "PC01 誕生日 05月03日", "PC01 電話番号 09012345678",
                                                   "PC02 メールアドレス hanako@example.jp",
                                                   "PC02 相性占いの二人の名前 はなこ、たろう", "PC02 電話番号 080-9876-5432"}));
    ASSERT_EQ(d.adultSite.size(), 2u);
    EXPECT_EQ(d.adultSite[0].station + WideToUtf8(d.adultSite[0].detail), "PC02いいえ");
    EXPECT_EQ(d.adultSite[1].station + WideToUtf8(d.adultSite[1].detail), "PC03はい");
    ASSERT_EQ(d.datingSite.size(), 1u);
    EXPECT_EQ(d.datingSite[0].station, "PC03");
    ASSERT_EQ(d.freeSignUps.size(), 1u);
    EXPECT_EQ(d.freeSignUps[0].signUps, 1);
    EXPECT_EQ(d.freeSignUps[0].spamMails, 4); // one mail to the spam address, four canned answers
    ASSERT_EQ(d.photos.size(), 1u);
    EXPECT_EQ(d.photos[0].station, "PC02");
    EXPECT_TRUE(lesson_->Exists("mail_photo/" + WideToUtf8(d.photos[0].photo)));

    std::vector<std::string> totals;
    for (const auto& s : ClassTotals(d, snapshot_->stations)) totals.push_back(WideToUtf8(s));
    EXPECT_NE(std::find(totals.begin(), totals.end(), "2人が電話番号を入力しました。"), totals.end());
    EXPECT_NE(std::find(totals.begin(), totals.end(), "1人が無料会員登録をして、迷惑メールを合わせて4通受け取りました。"),
              totals.end());
    EXPECT_NE(std::find(totals.begin(), totals.end(), "1人が登録用のアドレスに写真を送りました。"), totals.end());
}

TEST_F(ClassReportTest, TheCommandLineReportHasOneLineAStationInTheChargeTablesOrder) {
    ManualClock clock;
    TeacherCommand report{TeacherCommand::Kind::Report, false, lesson_->root.string()};
    std::ostringstream out, err;
    ASSERT_EQ(RunTeacherCommand(report, {"/", "", clock, ""}, out, err), 0) << err.str();
    std::istringstream lines(out.str());
    std::string header, pc01;
    std::getline(lines, header);
    std::getline(lines, pc01);
    EXPECT_TRUE(header.starts_with("端末\t合計（円）\t記号特訓ドリル\t第二種電気工事士過去問\t")) << header;
    EXPECT_TRUE(header.ends_with("\t掲示板\tプロフ")) << header;
    EXPECT_EQ(pc01.substr(0, pc01.find('\t', 5)), "PC01\t" + std::to_string(Summary("PC01").bill.total));
    EXPECT_NE(out.str().find("2人が電話番号を入力しました。"), std::string::npos);
    EXPECT_NE(out.str().find("電話番号\tPC01\t09012345678\t2026/12/07 9:00:40"), std::string::npos);

    std::ostringstream csv;
    report.csv = true;
    ASSERT_EQ(RunTeacherCommand(report, {"/", "", clock, ""}, csv, err), 0);
    EXPECT_TRUE(csv.str().starts_with("\xEF\xBB\xBF端末,合計（円）,"));
    EXPECT_NE(csv.str().find("\r\nPC01,"), std::string::npos);
}
