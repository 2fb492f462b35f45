// A running phone's heartbeat: what the teacher's share check takes for a phone that runs now.

#include "mail/InboxDirectory.h"
#include "platform/NativePath.h"
#include "platform/ThisProcess.h"
#include "shell/HeartbeatRecord.h"
#include "support/Classroom.h"
#include "support/MailDesk.h"
#include "teacher/LessonFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

using namespace vq;
using namespace vqtest;
namespace fs = std::filesystem;

namespace {

class HeartbeatTest : public ::testing::Test {
protected:
    void SetUp() override { classroom.PrepareForStartUp(); }
    fs::path HeartbeatOf(const std::string& station) const {
        return classroom.root / "data/mail_box" / HeartbeatFileName(station);
    }
    // Back-dates the file, as if its last beat were long ago.
    void Age(const fs::path& file) const { fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(1)); }
    [[nodiscard]] bool Fresh(const fs::path& file) const {
        return fs::last_write_time(file) > fs::file_time_type::clock::now() - std::chrono::minutes(1);
    }

    Classroom classroom;
    ManualClock clock;
};

} // namespace

TEST_F(HeartbeatTest, StartWritesItAndEveryPollRewritesItWithStationComputerAndProcess) {
    Station station(classroom, "PC01", clock);
    station.Start();
    const HeartbeatRecord record = ParseHeartbeat(classroom.Read("mail_box/PC01.alive"));
    EXPECT_EQ(record.station, "PC01");
    EXPECT_EQ(record.host, ThisHostName()); // the computer, which the station name may hide
    EXPECT_EQ(record.processId, ThisProcessId());

    Age(HeartbeatOf("PC01"));
    station.phone.Timer1Timer();
    EXPECT_TRUE(Fresh(HeartbeatOf("PC01")));
    EXPECT_TRUE(station.errors.messages.empty());
    // It is no inbox: nobody can mail "PC01.alive", and it is no lesson's record.
    const auto inboxes = ListInboxFolder(classroom.DataRoot() + "mail_box/");
    ASSERT_EQ(inboxes.size(), 1u);
    EXPECT_EQ(inboxes[0].station, "PC01");
    for (const LessonFile& file : ListLessonFiles(ClassroomFolder(FromNativeName(classroom.root.string()))))
        EXPECT_NE(file.relative, "mail_box/PC01.alive");
}

TEST_F(HeartbeatTest, AClosedPhoneRemovesItAndARefusedSecondPhoneLeavesTheRunningOnesAlone) {
    auto first = std::make_unique<Station>(classroom, "PC01", clock);
    first->Start();
    {
        Station second(classroom, "PC01", clock);
        second.Start();
        ASSERT_EQ(second.errors.messages.size(), 1u); // this name runs already
        Age(HeartbeatOf("PC01"));
        second.phone.Timer1Timer();
    }
    EXPECT_TRUE(fs::exists(HeartbeatOf("PC01")));
    EXPECT_FALSE(Fresh(HeartbeatOf("PC01"))); // the refused phone beat for nobody
    first.reset();
    EXPECT_FALSE(fs::exists(HeartbeatOf("PC01")));
}

TEST_F(HeartbeatTest, AHeartbeatThatCannotBeWrittenNeitherDisturbsThePupilNorStopsThePoll) {
    fs::create_directories(HeartbeatOf("PC01")); // a folder where the file should be
    Station sender(classroom, "PC02", clock);
    sender.Start();
    Station station(classroom, "PC01", clock);
    station.Start();
    SendMailTo(sender, "PC01", "件名", "本文");
    station.phone.Timer1Timer();
    EXPECT_TRUE(station.errors.messages.empty());
    EXPECT_EQ(station.phone.mail.ReceivedCount, 1);
    const auto& events = station.trace.events;
    EXPECT_EQ(std::count_if(events.begin(), events.end(), [](const std::string& e) { return e.starts_with("heartbeat "); }), 2)
        << "one at start, one at the poll";
}
