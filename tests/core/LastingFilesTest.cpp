// A lasting file (a stored profile page, a profile data file, a lesson message) is rewritten by
// writing a new file beside it and renaming that over it: a full disk or a crash leaves the old
// content, never a file cut short.

#include "platform/Files.h"
#include "platform/PlatformError.h"
#include "support/Classroom.h"
#include "support/FullDisk.h"
#include "support/ProfileSite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace vq;
using namespace vqtest;

namespace {

namespace fs = std::filesystem;

std::vector<std::string> NamesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(ReplaceFile, AWriteThatDoesNotFitLeavesTheOldContentAndNoTemporaryFile) {
    Classroom classroom;
    const std::string path = classroom.DataRoot() + "prof_edit/090000PC01.dat";
    ReplaceFile(path, "old content\r\n");
    {
        const FileSizeLimit full(8);
        EXPECT_THROW(ReplaceFile(path, "a new content that does not fit\r\n"), PlatformError);
    }
    EXPECT_EQ(ReadAll(path), "old content\r\n");
    EXPECT_EQ(NamesIn(classroom.root / "data/prof_edit"), std::vector<std::string>{"090000PC01.dat"});
    ReplaceFile(path, "new\r\n");
    EXPECT_EQ(ReadAll(path), "new\r\n");
    EXPECT_EQ(NamesIn(classroom.root / "data/prof_edit"), std::vector<std::string>{"090000PC01.dat"});
    EXPECT_THROW(ReplaceFile(classroom.DataRoot() + "no_folder/x.dat", "x"), PlatformError);
}

TEST(ReplaceFile, ALessonMessageKeptBeforeSurvivesAFullDisk) {
    Classroom classroom;
    classroom.PrepareForStartUp();
    classroom.Write("s_beginner/s_begin31.html", "<form><textarea></textarea></form><!--velquinLAN-->\n");
    ManualClock clock;
    Station station(classroom, "PC01", clock);
    station.Start();
    const std::string lesson = VirtualPage("s_begin31.html");
    station.Open(lesson);
    station.Fill(0, "さいしょ");
    station.Open(lesson);
    const std::string kept = classroom.Read("s_beginner/tmpData3PC01.dat");
    ASSERT_NE(kept.find("さいしょ"), std::string::npos);
    station.Fill(0, std::string(300, 'x'));
    {
        const FileSizeLimit full(200);
        station.Open(lesson);
    }
    EXPECT_EQ(station.errors.messages.size(), 1u);
    EXPECT_EQ(classroom.Read("s_beginner/tmpData3PC01.dat"), kept);
}

namespace {

// 一郎's profile, stored.
class SavedProfile : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        WriteProfileTemplates(classroom);
        classroom.Write("prof/illustration/illustration00.jpg", "x");
        PrepareDisk();
        if (IsSkipped()) return;
        pc01.Start();
        CreateProfile(pc01, "Himitsu", "一郎", "サッカー");
        ASSERT_TRUE(pc01.errors.messages.empty());
        clock.AdvanceSeconds(60);
    }
    virtual void PrepareDisk() {}
    // The pupil edits 一郎's profile up to its save, with a long new hobby.
    void EditAndSave(const std::string& hobby) {
        pc01.Open(classroom.DataRoot() + "prof_html/090000PC01prof_password.html");
        pc01.Fill(0, "Himitsu");
        pc01.Open(classroom.DataRoot() + "prof/prof_edit2.html");
        pc01.Open(VirtualPage("prof_edit4.html"));
        pc01.Fill(3, hobby);
        pc01.Open(VirtualPage("prof_edit5.html"));
    }

    Classroom classroom;
    ManualClock clock;
    Station pc01{classroom, "PC01", clock};
};

// The profile folders lie on a small disk of their own, which a test fills up.
class ProfileOnAFullDisk : public SavedProfile {
protected:
    void PrepareDisk() override {
        for (const char* folder : {"prof_html", "prof_edit"}) {
            auto disk = SmallDisk::MountOn(classroom.root / "data" / folder, 64);
            if (!disk) GTEST_SKIP() << "mounting a small tmpfs needs root and a system that allows it";
            disks.push_back(std::move(disk));
        }
    }
    void Fill() {
        for (const auto& disk : disks) disk->FillLeaving(0);
    }
    void Free() {
        for (const auto& disk : disks) disk->Free();
    }

    std::vector<std::unique_ptr<SmallDisk>> disks;
};

} // namespace

// Where no disk can be mounted, a file-size limit stands in for the full disk.
TEST_F(SavedProfile, AnEditThatDoesNotFitKeepsTheStoredProfileWhole) {
    const std::string page = classroom.Read("prof_html/090000PC01.html");
    const std::string data = classroom.Read("prof_edit/090000PC01.dat");
    {
        const FileSizeLimit full(4096);
        EditAndSave(std::string(8000, 'y'));
    }
    EXPECT_EQ(pc01.errors.messages.size(), 1u);
    EXPECT_EQ(classroom.Read("prof_html/090000PC01.html"), page);
    EXPECT_EQ(classroom.Read("prof_edit/090000PC01.dat"), data);
    EXPECT_EQ(NamesIn(classroom.root / "data/prof_edit"), std::vector<std::string>{"090000PC01.dat"});
}

TEST_F(ProfileOnAFullDisk, AnEditThatCannotBeSavedKeepsTheStoredProfileWholeAndSaysSo) {
    const std::string page = classroom.Read("prof_html/090000PC01.html");
    const std::string data = classroom.Read("prof_edit/090000PC01.dat");
    Fill();
    EditAndSave(std::string(8000, 'y'));
    ASSERT_EQ(pc01.errors.messages.size(), 1u);
    EXPECT_NE(pc01.errors.messages[0].find("ディスクがいっぱいです"), std::string::npos) << pc01.errors.messages[0];
    EXPECT_EQ(classroom.Read("prof_html/090000PC01.html"), page);
    EXPECT_EQ(classroom.Read("prof_edit/090000PC01.dat"), data);
    EXPECT_EQ(NamesIn(classroom.root / "data/prof_html"), (std::vector<std::string>{"090000PC01.html", "filler.bin"}));
    EXPECT_EQ(NamesIn(classroom.root / "data/prof_edit"), (std::vector<std::string>{"090000PC01.dat", "filler.bin"}));
    // No confirmation that the profile was saved.
    EXPECT_EQ(classroom.Read("prof/tmpPC01.html").find("yyyy"), std::string::npos);

    Free();
    EditAndSave("野球");
    EXPECT_EQ(pc01.errors.messages.size(), 1u);
    EXPECT_EQ(DataLines(classroom, "prof_edit/090000PC01.dat")[4], "野球");
    EXPECT_NE(classroom.Read("prof/tmpPC01.html").find("野球"), std::string::npos);
}

// A new profile that cannot be stored whole does not show in the lists half made.
TEST_F(ProfileOnAFullDisk, ACreationThatCannotBeSavedLeavesNoProfileBehind) {
    Fill();
    CreateProfile(pc01, "pw", "二郎", std::string(8000, 'z'));
    EXPECT_EQ(pc01.errors.messages.size(), 1u);
    Free();
    pc01.Open(VirtualPage("prof_list.html"));
    EXPECT_EQ(ListedNames(classroom, "PC01"), std::vector<std::string>{"一郎"});
    EXPECT_EQ(pc01.errors.messages.size(), 1u);
}
