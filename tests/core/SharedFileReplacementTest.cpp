// The teacher's console puts a new version of a shared file in its place (a post hidden, a fresh
// file after archiving) while the stations go on appending to it and taking their inboxes.

#include "mail/InboxFile.h"
#include "platform/Files.h"
#include "platform/LockedFile.h"
#include "platform/PlatformError.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class SharedFileReplacement : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("vq-replace-" + std::to_string(::getpid()) + "-" +
                                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
        path_ = (folder_ / "bbsData.dat").string();
        vq::RewriteFile(path_, "\r\n");
    }
    void TearDown() override { fs::remove_all(folder_); }

    // The names in the folder besides the file itself: temporary files left behind.
    std::vector<std::string> Leftovers() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            if (entry.path().filename() != "bbsData.dat") names.push_back(entry.path().filename().string());
        return names;
    }

    fs::path folder_;
    std::string path_;
};

constexpr int kWriters = 3;
constexpr int kLinesPerWriter = 1500;

std::string Line(int writer, int seq) { return "W" + std::to_string(writer) + "#c#" + std::to_string(seq); }

struct Writers {
    std::vector<pid_t> pids;
    int reports = -1; // each writer sends {writer, acknowledged lines}
};

// Each writer appends its numbered lines, counting those whose append returned as acknowledged.
Writers StartWriters(const std::string& path) {
    int fds[2];
    if (::pipe(fds) != 0) throw std::runtime_error("pipe");
    Writers writers;
    for (int w = 0; w < kWriters; ++w) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(fds[0]);
            int acknowledged = 0;
            try {
                for (int seq = 0; seq < kLinesPerWriter; ++seq) {
                    if (!vq::AppendSharedLine(path, Line(w, seq))) break;
                    acknowledged = seq + 1;
                }
            } catch (...) {
            }
            const int report[2] = {w, acknowledged};
            (void)!::write(fds[1], report, sizeof report);
            ::_exit(0);
        }
        writers.pids.push_back(pid);
    }
    ::close(fds[1]);
    writers.reports = fds[0];
    return writers;
}

bool AnyRunning(std::vector<pid_t>& pids) {
    bool running = false;
    for (pid_t& pid : pids) {
        if (pid > 0 && ::waitpid(pid, nullptr, WNOHANG) == pid) pid = 0;
        running = running || pid > 0;
    }
    return running;
}

std::vector<int> Acknowledged(const Writers& writers) {
    std::vector<int> acknowledged(kWriters, 0);
    for (int report[2]; ::read(writers.reports, report, sizeof report) == sizeof report;)
        acknowledged[static_cast<std::size_t>(report[0])] = report[1];
    ::close(writers.reports);
    return acknowledged;
}

// How often each acknowledged line occurs in text; every one must occur exactly once.
int Misses(const std::string& text, const std::vector<int>& acknowledged) {
    std::map<std::string, int> seen;
    for (const std::string& line : vq::SplitLines(text)) ++seen[line];
    int misses = 0;
    for (int w = 0; w < kWriters; ++w)
        for (int seq = 0; seq < acknowledged[static_cast<std::size_t>(w)]; ++seq)
            misses += seen[Line(w, seq)] == 1 ? 0 : 1;
    return misses;
}

} // namespace

TEST_F(SharedFileReplacement, TheEditSeesTheContentAndItsResultTakesTheFilesPlace) {
    vq::AppendSharedLineOrFail(path_, "keep");
    vq::AppendSharedLineOrFail(path_, "hide");
    ::chmod(path_.c_str(), 0664);
    ASSERT_TRUE(vq::ReplaceSharedFile(path_, [](std::string_view content) {
        EXPECT_EQ(content, "\r\nkeep\r\nhide\r\n");
        return std::string("\r\nkeep\r\n");
    }));
    EXPECT_EQ(vq::ReadAll(path_), "\r\nkeep\r\n");
    EXPECT_EQ(fs::status(path_).permissions() & fs::perms::all, fs::perms(0664)); // stations may still append
    EXPECT_TRUE(Leftovers().empty());
    vq::AppendSharedLineOrFail(path_, "after");
    EXPECT_EQ(vq::ReadAll(path_), "\r\nkeep\r\nafter\r\n");
}

TEST_F(SharedFileReplacement, AFailedEditOrAMissingFileChangesNothing) {
    vq::AppendSharedLineOrFail(path_, "keep");
    EXPECT_THROW((void)vq::ReplaceSharedFile(path_, [](std::string_view) -> std::string {
                     throw vq::PlatformError("no");
                 }),
                 vq::PlatformError);
    EXPECT_EQ(vq::ReadAll(path_), "\r\nkeep\r\n");
    EXPECT_TRUE(Leftovers().empty());
    EXPECT_FALSE(vq::ReplaceSharedFile((folder_ / "none.dat").string(), [](std::string_view) { return ""; }));
    EXPECT_FALSE(fs::exists(folder_ / "none.dat"));
}

// An appender that opened the old file and waited for its lock while the new one was renamed into
// its place must write into the new one: a post written into the orphaned old file is lost.
TEST_F(SharedFileReplacement, AppendsMadeWhileTheFileIsReplacedAgainAndAgainAreAllKept) {
    Writers writers = StartWriters(path_);
    int replacements = 0;
    while (AnyRunning(writers.pids)) {
        ASSERT_TRUE(vq::ReplaceSharedFile(path_, [](std::string_view content) { return std::string(content); }));
        ++replacements;
    }
    const std::vector<int> acknowledged = Acknowledged(writers);
    for (int w = 0; w < kWriters; ++w) EXPECT_EQ(acknowledged[static_cast<std::size_t>(w)], kLinesPerWriter);
    EXPECT_EQ(Misses(vq::ReadAll(path_), acknowledged), 0) << replacements << " replacements";
    EXPECT_GT(replacements, 10);
    EXPECT_TRUE(Leftovers().empty());
}

// The inbox's owner keeps taking it and the console keeps replacing it while stations mail it:
// every mail is taken exactly once.
TEST_F(SharedFileReplacement, TheTakeLosesAndRepeatsNothingWhileTheInboxIsReplaced) {
    Writers writers = StartWriters(path_);
    const pid_t console = ::fork();
    if (console == 0) {
        for (;;) {
            try {
                (void)vq::ReplaceSharedFile(path_, [](std::string_view content) { return std::string(content); });
            } catch (const vq::PlatformError&) {
                // A lock that stayed taken too long: the console tries again.
            }
        }
    }
    std::string taken;
    while (AnyRunning(writers.pids)) taken += vq::TakeInboxContent(path_).value();
    ::kill(console, SIGKILL);
    ::waitpid(console, nullptr, 0);
    taken += vq::TakeInboxContent(path_).value();
    const std::vector<int> acknowledged = Acknowledged(writers);
    EXPECT_EQ(Misses(taken, acknowledged), 0);
}
