// The console's window on a lesson three stations played: every view fills, the records are
// written, a post is hidden from the phones, and a saved lesson opens read-only.

#include "desktop/teacher/TeacherWindow.h"
#include "platform/NativePath.h"
#include "support/Classroom.h"
#include "support/DemoRun.h"
#include "Waiting.h"
#include "platform/Text.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace vq;
using namespace vqtest;

namespace {

class TeacherWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        QStandardPaths::setTestModeEnabled(true); // the large-type setting goes to a test location
        lesson_ = new Classroom;
        lesson_->UseSampleContent();
        RunDemoScript(*lesson_, "class-lesson.vqs");
    }
    static void TearDownTestSuite() { delete lesson_; }

    TeacherWindowTest()
        : window_(ClassroomFolder::Open(FromNativeName(lesson_->root.string())),
                  FromNativeName((lesson_->root / "data").string()), clock_) {}

    template <typename T>
    T* Find(const char* name) {
        T* widget = window_.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString Cell(const char* table, int row, int column) {
        QTableWidgetItem* item = Find<QTableWidget>(table)->item(row, column);
        return item ? item->text() : QString();
    }

    static Classroom* lesson_;
    ManualClock clock_{LocalDateTime{2026, 12, 7, 9, 50, 0}};
    TeacherWindow window_;
};

Classroom* TeacherWindowTest::lesson_ = nullptr;

} // namespace

TEST_F(TeacherWindowTest, EveryViewFillsFromTheClassroomFolder) {
    window_.show();
    auto* table = Find<QTableWidget>("classTable");
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(Cell("classTable", 0, 0), QStringLiteral("PC01"));
    EXPECT_EQ(Cell("classTable", 0, 3), QStringLiteral("%1円").arg(window_.Snapshot().stations[0].bill.total));
    EXPECT_EQ(Cell("classTable", 2, 9), QStringLiteral("3"));

    const QString debrief = Find<QTextBrowser>("debriefText")->toPlainText();
    EXPECT_TRUE(debrief.contains(QStringLiteral("2人が電話番号を入力しました。")));
    EXPECT_TRUE(debrief.contains(QStringLiteral("09012345678")));

    auto* chart = Find<QChartView>("stationChart")->chart();
    ASSERT_EQ(chart->series().size(), 1);
    auto* bars = static_cast<QBarSeries*>(chart->series().front())->barSets().front();
    ASSERT_EQ(bars->count(), 3);
    EXPECT_EQ(bars->at(2), static_cast<double>(window_.Snapshot().stations[2].bill.total));
    EXPECT_FALSE(Find<QChartView>("kindChart")->chart()->series().isEmpty());
    EXPECT_EQ(Find<QTableWidget>("billsTable")->rowCount(), 3);
    EXPECT_EQ(Find<QTableWidget>("postsTable")->rowCount(), 2); // the board, newest first
    EXPECT_EQ(Cell("postsTable", 0, 1), QStringLiteral("PC03"));
}

TEST_F(TeacherWindowTest, TheTimersRefreshReadsOnAWorkerAndShowsWhatChanged) {
    const std::int64_t before = window_.Snapshot().stations[0].bill.total;
    std::ofstream(lesson_->root / "data/log/log_PC01.dat", std::ios::binary | std::ios::app)
        << vq::Utf8ToCp932("PC01,10.0.0.1,2026/12/07 9:30:00,掲示板,\r\n");
    window_.RefreshInBackground();
    ASSERT_TRUE(WaitUntil([&] { return window_.Snapshot().stations[0].bill.total != before; }));
    EXPECT_EQ(window_.Snapshot().stations[0].bill.CountOf(u"掲示板"), 3);
    EXPECT_EQ(Cell("classTable", 0, 3), QStringLiteral("%1円").arg(window_.Snapshot().stations[0].bill.total));
}

TEST_F(TeacherWindowTest, TheProjectorSwitchesHideNamesAndMaskValues) {
    window_.SetOptions({true, true});
    EXPECT_EQ(Cell("classTable", 0, 0), QStringLiteral("生徒1"));
    const QString debrief = Find<QTextBrowser>("debriefText")->toPlainText();
    EXPECT_TRUE(debrief.contains(QStringLiteral("0901234****")));
    EXPECT_FALSE(debrief.contains(QStringLiteral("09012345678")));
    EXPECT_FALSE(debrief.contains(QStringLiteral("PC01")));
    const int normal = window_.font().pointSize();
    window_.SetLargeType(true);
    EXPECT_GT(window_.font().pointSize(), normal);
    window_.SetLargeType(false);
}

TEST_F(TeacherWindowTest, WritesThePdfAndTheCsv) {
    const QString pdf = QString::fromStdString((lesson_->root / "記録.pdf").string());
    EXPECT_TRUE(window_.ExportPdf(pdf).startsWith(QStringLiteral("PDF に書き出しました")));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
    EXPECT_GT(file.size(), 20000); // the chart and the embedded Japanese font
    const QString csv = QString::fromStdString((lesson_->root / "記録.csv").string());
    window_.ExportCsv(csv);
    QFile table(csv);
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    EXPECT_TRUE(table.readAll().startsWith("\xEF\xBB\xBF" "端末,"));
    EXPECT_FALSE(window_.ExportPdf(QStringLiteral("/no/such/folder/x.pdf")).startsWith(QStringLiteral("PDF に書き出しました")));
}

TEST_F(TeacherWindowTest, AHiddenPostLeavesTheBoardFileAndComesBack) {
    auto* posts = Find<QTableWidget>("postsTable");
    posts->selectRow(0);
    ASSERT_TRUE(Find<QPushButton>("hidePost")->isEnabled());
    Find<QPushButton>("hidePost")->click();
    EXPECT_EQ(lesson_->Read("bbs/bbsData.dat").find("090-1111-2222"), std::string::npos);
    EXPECT_EQ(Cell("postsTable", 0, 0), QStringLiteral("隠し中"));
    posts->selectRow(0);
    ASSERT_TRUE(Find<QPushButton>("putBackPost")->isEnabled());
    Find<QPushButton>("putBackPost")->click();
    EXPECT_NE(lesson_->Read("bbs/bbsData.dat").find("090-1111-2222"), std::string::npos);
}

TEST_F(TeacherWindowTest, TheShareCheckRunsBesideTheWindowAndMarksEveryFinding) {
    auto* button = Find<QPushButton>("checkShare");
    button->click();
    EXPECT_FALSE(button->isEnabled()); // one check at a time
    ASSERT_TRUE(WaitUntil([&] { return !window_.ChecksShare() && button->isEnabled(); }, 60000));
    QStringList verdicts;
    for (const QLabel* badge : Find<QWidget>("shareFindings")->findChildren<QLabel*>(QStringLiteral("findingVerdict")))
        verdicts << badge->text();
    EXPECT_EQ(verdicts.size(), 7) << verdicts.join(u' ').toStdString();
    EXPECT_EQ(verdicts.count(QStringLiteral("○ 良好")), 6) << verdicts.join(u' ').toStdString();
    EXPECT_EQ(verdicts.count(QStringLiteral("？ 確認できず")), 1); // no phone runs on another computer
    EXPECT_TRUE(Find<QLabel>("shareCheckSummary")->text().contains(QStringLiteral("確認できず")));
    // Nothing of the check is left beside data/.
    for (const auto& entry : std::filesystem::directory_iterator(lesson_->root))
        EXPECT_EQ(entry.path().filename().string().find("share-check"), std::string::npos) << entry.path();
}

// Last: it empties the lesson the other tests read.
TEST_F(TeacherWindowTest, ZArchivingEmptiesTheClassAndTheSavedLessonOpensReadOnly) {
    const QString outcome = window_.ArchiveLesson();
    ASSERT_TRUE(outcome.startsWith(QStringLiteral("授業を保存しました"))) << outcome.toStdString();
    for (const StationSummary& s : window_.Snapshot().stations) EXPECT_EQ(s.bill.total, 0);
    window_.OpenPastLesson(QStringLiteral("2026-12-07_0950"));
    EXPECT_TRUE(window_.ShowsPastLesson());
    EXPECT_GT(window_.Snapshot().stations.at(0).bill.total, 0);
    EXPECT_TRUE(Find<QLabel>("pastLessonBanner")->isVisibleTo(&window_));
    // Its own colours must not keep it at the normal size on the projector.
    window_.SetLargeType(true);
    EXPECT_EQ(Find<QLabel>("pastLessonBanner")->font().pointSizeF(), window_.font().pointSizeF());
    window_.SetLargeType(false);
    EXPECT_FALSE(Find<QPushButton>("archiveLesson")->isEnabled());
    Find<QTableWidget>("postsTable")->selectRow(0);
    EXPECT_FALSE(Find<QPushButton>("hidePost")->isEnabled());
    window_.ReturnToCurrentLesson();
    EXPECT_FALSE(window_.ShowsPastLesson());
}
