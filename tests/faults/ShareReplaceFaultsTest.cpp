// Replacing a shared file that stations append to, on a share that will not rename over a file while
// it is open (SMB, where the replacing station holds the file open for its lock): the file is written
// anew in place under the lock, whole, or with its old content put back.

#include "FailingCalls.h"

#include "platform/Files.h"
#include "platform/LockedFile.h"
#include "platform/PlatformError.h"
#include "sites/profile/ProfileIndex.h"
#include "support/Classroom.h"
#include "support/ProfileSite.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

using namespace vq;
using namespace vqtest;

namespace {

class ShareReplaceFaults : public ::testing::Test {
protected:
    void SetUp() override { classroom.Write("bbs/bbsData.dat", "old 1\nold 2\n"); }
    std::string Board() const { return ReadAll(classroom.DataRoot() + "bbs/bbsData.dat"); }
    std::vector<std::string> BoardFolder() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(classroom.root / "data/bbs"))
            names.push_back(e.path().filename().string());
        return names;
    }
    bool Replace(const std::string& content) {
        return ReplaceSharedFile(classroom.DataRoot() + "bbs/bbsData.dat",
                                 [&](std::string_view) -> std::optional<std::string> { return content; });
    }

    Classroom classroom;
};

} // namespace

TEST_F(ShareReplaceFaults, WhereTheShareRefusesTheRenameTheFileIsWrittenAnewInPlace) {
    const FailingCalls share("bbsData.dat", {.renameOnto = EBUSY});
    ASSERT_TRUE(Replace("new 1\r\n"));
    EXPECT_EQ(Board(), "new 1\r\n");
    EXPECT_EQ(BoardFolder(), std::vector<std::string>{"bbsData.dat"}) << "no copy left beside it";
    ASSERT_TRUE(AppendSharedLine(classroom.DataRoot() + "bbs/bbsData.dat", "a later post"));
    EXPECT_EQ(Board(), "new 1\r\na later post\r\n");
}

// A server that cannot store anything of the file: neither the new content nor the old one put back is
// known to be kept, so the copy with the new content stays beside it, and the message says where.
TEST_F(ShareReplaceFaults, AnInPlaceWriteTheServerCannotStoreLosesNeitherContent) {
    const FailingCalls share("bbsData.dat", {.flush = ENOSPC, .renameOnto = EBUSY});
    std::string message;
    try {
        (void)Replace("new content that does not fit\r\n");
    } catch (const PlatformError& e) {
        message = e.what();
    }
    EXPECT_EQ(Board(), "old 1\r\nold 2\r\n");
    const std::vector<std::string> folder = BoardFolder();
    ASSERT_EQ(folder.size(), 2u);
    const std::string copy = folder[0] == "bbsData.dat" ? folder[1] : folder[0];
    EXPECT_EQ(ReadAll(classroom.DataRoot() + "bbs/" + copy), "new content that does not fit\r\n");
    EXPECT_NE(message.find(copy), std::string::npos) << message;
}

// The profile index is written anew the same way, so the stations of such a share start from it.
TEST_F(ShareReplaceFaults, TheProfileIndexIsWrittenForAllOnSuchAShareToo) {
    const FailingCalls share("prof_index.log", {.renameOnto = EBUSY});
    classroom.PrepareForStartUp();
    WriteProfileTemplates(classroom);
    ManualClock clock;
    Station pc01{classroom, "PC01", clock};
    pc01.Start();
    CreateProfile(pc01, "pw", "一郎", "サッカー");
    pc01.Open(VirtualPage("prof_list.html"));
    const std::string index = ReadAll(classroom.DataRoot() + std::string(kProfileIndexPath));
    EXPECT_NE(index.find("\r\nsettled\t"), std::string::npos) << index;
    EXPECT_TRUE(pc01.errors.messages.empty());
}
