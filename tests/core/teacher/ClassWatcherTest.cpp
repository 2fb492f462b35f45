// The live view reads damaged and growing logs safely and reads nothing that did not change.

#include "platform/FileState.h"
#include "platform/Files.h"
#include "platform/NativePath.h"
#include "platform/Text.h"
#include "support/Classroom.h"
#include "teacher/AppendedLines.h"
#include "teacher/ClassWatcher.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace vq;
using namespace vqtest;

namespace {

class ClassWatcherTest : public ::testing::Test {
protected:
    ClassWatcherTest() : watcher_(ClassroomFolder::Open(FromNativeName(classroom_.root.string()))) {}

    // Appends raw bytes, as a phone's write lands (perhaps only partly so far).
    void AppendRaw(const std::string& relative, const std::string& utf8) {
        std::ofstream out(classroom_.root / "data" / relative, std::ios::binary | std::ios::app);
        out << Utf8ToCp932(utf8);
    }
    const StationSummary* Find(const std::string& name) {
        for (const StationSummary& s : watcher_.Snapshot().stations)
            if (s.station == name) return &s;
        return nullptr;
    }
    std::string Path(const std::string& relative) { return classroom_.DataRoot() + relative; }

    Classroom classroom_;
    ClassWatcher watcher_;
};

} // namespace

TEST_F(ClassWatcherTest, DamagedLogsAndMissingLogsStillGiveEveryStation) {
    classroom_.Write("log/log_PC01.dat", "\nno commas at all\nPC01,a,t,メール送信,\nPC01,a\n");
    classroom_.Write("mail_box/log_PC02.dat", "\n"); // a station with an inbox but no log
    classroom_.Write("mail_box/log_PC10.dat", "\n");
    classroom_.Write("log/notes.txt", "not a station\n");
    watcher_.Refresh();
    ASSERT_EQ(watcher_.Snapshot().stations.size(), 3u);
    EXPECT_EQ(watcher_.Snapshot().stations[1].station, "PC02"); // PC2 before PC10
    const StationSummary* pc01 = Find("PC01");
    ASSERT_NE(pc01, nullptr);
    ASSERT_EQ(pc01->bill.rows.size(), 2u);
    EXPECT_EQ(pc01->bill.rows[1].title, u""); // the short line, as the charge page counts it
    EXPECT_EQ(pc01->bill.total, 1);
    EXPECT_EQ(Find("PC02")->bill.total, 0);
}

TEST_F(ClassWatcherTest, ALineBeingWrittenCountsOnlyOnceItIsWhole) {
    classroom_.Write("log/log_PC01.dat", "\nPC01,a,2026/12/07 9:00:00,メール送信,\n");
    watcher_.Refresh();
    AppendRaw("log/log_PC01.dat", "PC01,a,2026/12/07 9:00:05,メール");
    watcher_.Refresh();
    EXPECT_EQ(Find("PC01")->bill.rows.size(), 1u);
    EXPECT_EQ(Find("PC01")->bill.CountOf(u"メール"), 0);
    AppendRaw("log/log_PC01.dat", "受信,\r\n");
    watcher_.Refresh();
    EXPECT_EQ(Find("PC01")->bill.CountOf(u"メール受信"), 1);
    EXPECT_EQ(WideToUtf8(Find("PC01")->lastActivity), "2026/12/07 9:00:05");
}

TEST_F(ClassWatcherTest, ALastLineWithoutItsLineEndCountsWhenTheFileStaysSo) {
    classroom_.Write("log/log_PC01.dat", "\n");
    AppendRaw("log/log_PC01.dat", "PC01,a,t,掲示板,");
    watcher_.Refresh();
    EXPECT_EQ(Find("PC01")->bill.total, 0);
    watcher_.Refresh();
    EXPECT_EQ(Find("PC01")->bill.CountOf(u"掲示板"), 1);
    AppendRaw("log/log_PC01.dat", "\r\nPC01,a,t,掲示板,\r\n");
    watcher_.Refresh();
    EXPECT_EQ(Find("PC01")->bill.CountOf(u"掲示板"), 2);
}

TEST_F(ClassWatcherTest, AReplacedLogIsReadAgainAndAVanishedStationGoes) {
    classroom_.Write("log/log_PC01.dat", "\nPC01,a,t,掲示板,\nPC01,a,t,掲示板,\n");
    classroom_.Write("log/log_PC02.dat", "\nPC02,a,t,掲示板,\n");
    watcher_.Refresh();
    classroom_.Write("log/log_PC01.dat", "\n"); // the lesson was archived
    std::filesystem::remove(classroom_.root / "data/log/log_PC02.dat");
    watcher_.Refresh();
    ASSERT_EQ(watcher_.Snapshot().stations.size(), 1u);
    EXPECT_EQ(Find("PC01")->bill.total, 0);
}

TEST_F(ClassWatcherTest, PostsAreCountedPerStationAndHiddenOnesAreNot) {
    classroom_.Write("bbs/bbsData.dat", "\nPC01#c#a#c#t#c#たろう#c#やあ\nPC02#c#a#c#t#c#はなこ#c#こんにちは\n");
    classroom_.Write("bbs/bbsHidden.dat", "\n1#c#PC01#c#a#c#t#c#たろう#c#ひみつ\n");
    classroom_.Write("log/log_PC01.dat", "\n");
    watcher_.Refresh();
    EXPECT_EQ(Find("PC01")->boardPosts, 1);
    ASSERT_EQ(watcher_.Snapshot().board.size(), 3u);
    EXPECT_TRUE(watcher_.Snapshot().board[1].hidden);
    EXPECT_EQ(watcher_.Snapshot().board[2].number, 2);
}

TEST(AppendedLines, ReadsOnlyWhatWasAddedAndNothingWhenUnchanged) {
    Classroom classroom;
    const std::string path = classroom.DataRoot() + "log/log_PC01.dat";
    RewriteFile(path, "\r\nline 1\r\n");
    AppendedLines lines;
    EXPECT_TRUE(lines.Update(path, StatFile(path)));
    EXPECT_FALSE(lines.Update(path, StatFile(path)));
    // Were the first bytes read again, the changed first line would show.
    std::string bytes = ReadAll(path);
    bytes[2] = 'L';
    RewriteFile(path, bytes + "line 2\r\n");
    EXPECT_TRUE(lines.Update(path, StatFile(path)));
    EXPECT_EQ(lines.Lines(), (std::vector<std::string>{"", "line 1", "line 2"}));
    EXPECT_TRUE(lines.Update(path, std::nullopt));
    EXPECT_TRUE(lines.Lines().empty());
}
