#include "platform/Files.h"
#include "platform/LockedFile.h"
#include "platform/StationLock.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>
#include <sys/wait.h>

namespace vq {
namespace {

class StationLockTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("vq-station-lock-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
        inbox_ = (folder_ / "log_PC01.dat").string();
        CreateIfMissing(inbox_, "\r\n");
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
    std::string inbox_;
};

TEST_F(StationLockTest, ASecondHolderInTheSameProcessIsTurnedAwayUntilTheFirstLetsGo) {
    StationLock first = StationLock::TryTake(inbox_);
    ASSERT_EQ(first.state(), StationLock::State::Held);
    EXPECT_EQ(StationLock::TryTake(inbox_).state(), StationLock::State::TakenByAnother);
    EXPECT_EQ(ProbeStationLock(inbox_), StationRunning::Yes);
    first.Release();
    EXPECT_EQ(ProbeStationLock(inbox_), StationRunning::No);
    EXPECT_EQ(StationLock::TryTake(inbox_).state(), StationLock::State::Held);
}

TEST_F(StationLockTest, ClosingAnotherHandleOfTheInboxKeepsTheLock) {
    StationLock held = StationLock::TryTake(inbox_);
    // Every append and take opens and closes the inbox; a process-wide lock would fall with them.
    AppendSharedLineOrFail(inbox_, "a#c#b");
    (void)ReadAll(inbox_);
    EXPECT_EQ(ProbeStationLock(inbox_), StationRunning::Yes);
}

TEST_F(StationLockTest, AnotherProcessSeesTheStationRunning) {
    StationLock held = StationLock::TryTake(inbox_);
    const pid_t child = ::fork();
    if (child == 0) {
        const bool seen = ProbeStationLock(inbox_) == StationRunning::Yes &&
                          StationLock::TryTake(inbox_).state() == StationLock::State::TakenByAnother;
        ::_exit(seen ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST_F(StationLockTest, AMissingInboxIsNoRunningStationAndCannotBeLocked) {
    const std::string missing = (folder_ / "log_PC09.dat").string();
    EXPECT_EQ(ProbeStationLock(missing), StationRunning::No);
    EXPECT_ANY_THROW((void)StationLock::TryTake(missing));
}

} // namespace
} // namespace vq
