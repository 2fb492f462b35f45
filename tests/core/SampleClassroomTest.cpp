// Where the programs find the sample classroom that comes with them, and the pupil's own copy of it.

#include "platform/ClassroomFolder.h"
#include "platform/PlatformError.h"
#include "support/Classroom.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;
using namespace vq;
using namespace vqtest;

namespace {

void WriteText(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SampleClassroomTest : public ::testing::Test {
protected:
    // A bundled sample as installed: a page, a shared file and an empty folder the phone writes to.
    fs::path MakeBundled(const fs::path& prefix) const {
        const fs::path bundled = prefix / "share/velquinlan/classroom";
        WriteText(bundled / "data/kyouzai/contents/index.html", "home");
        WriteText(bundled / "data/bbs/bbs.html", "board");
        fs::create_directories(bundled / "data/mail_box");
        return bundled;
    }

    Classroom scratch; // only for its temporary folder
    fs::path top = scratch.root / "t";
};

} // namespace

TEST_F(SampleClassroomTest, FoundBesideAnInstalledProgramAndAboveOneInTheBuildTree) {
    const fs::path installed = MakeBundled(top / "usr");
    fs::create_directories(top / "usr/bin");
    EXPECT_EQ(FindBundledClassroom(top / "usr/bin"), installed);
    EXPECT_EQ(FindBundledClassroom(top / "usr/bin/"), installed);

    const fs::path built = MakeBundled(top / "build");
    fs::create_directories(top / "build/src/desktop/phone");
    EXPECT_EQ(FindBundledClassroom(top / "build/src/desktop/phone"), built);
}

TEST_F(SampleClassroomTest, NotFoundWhereNoneLiesOrItHoldsNoDataFolder) {
    fs::create_directories(top / "opt/velquinlan/share/velquinlan/classroom");
    fs::create_directories(top / "opt/velquinlan/bin");
    EXPECT_EQ(FindBundledClassroom(top / "opt/velquinlan/bin"), std::nullopt);
    // Far above the program does not count: a share/ four folders up belongs to something else.
    MakeBundled(top);
    fs::create_directories(top / "a/b/c/d");
    EXPECT_EQ(FindBundledClassroom(top / "a/b/c/d"), std::nullopt);
    EXPECT_NO_THROW((void)FindBundledClassroom("/"));
}

TEST_F(SampleClassroomTest, CopiedOnceWithItsEmptyFoldersAndKeptAsThePupilsLeftIt) {
    const fs::path bundled = MakeBundled(top / "usr");
    const fs::path target = SampleClassroomIn(top / "home");
    EXPECT_EQ(target, top / "home/VelquinLAN/見本のクラス");

    EXPECT_EQ(OpenSampleClassroom(bundled, target), target);
    EXPECT_EQ(ReadText(target / "data/kyouzai/contents/index.html"), "home");
    EXPECT_TRUE(fs::is_directory(target / "data/mail_box"));
    EXPECT_EQ(std::distance(fs::directory_iterator(target.parent_path()), fs::directory_iterator()), 1); // no leftovers

    WriteText(target / "data/bbs/bbsData.dat", "a post");
    WriteText(target / "data/bbs/bbs.html", "the teacher's own board");
    EXPECT_EQ(OpenSampleClassroom(bundled, target), target);
    EXPECT_EQ(ReadText(target / "data/bbs/bbsData.dat"), "a post");
    EXPECT_EQ(ReadText(target / "data/bbs/bbs.html"), "the teacher's own board");
}

TEST_F(SampleClassroomTest, AFolderInTheWayIsNamedAndLeftAlone) {
    const fs::path bundled = MakeBundled(top / "usr");
    const fs::path target = SampleClassroomIn(top / "home");
    WriteText(target / "notes.txt", "mine");
    try {
        (void)OpenSampleClassroom(bundled, target);
        FAIL() << "a folder without data/ was taken for the sample";
    } catch (const PlatformError& e) {
        EXPECT_NE(std::string(e.what()).find(target.string()), std::string::npos) << e.what();
    }
    EXPECT_EQ(ReadText(target / "notes.txt"), "mine");
    EXPECT_FALSE(HoldsClassroom(target));

    // An empty folder of that name is no obstacle.
    fs::remove(target / "notes.txt");
    EXPECT_EQ(OpenSampleClassroom(bundled, target), target);
    EXPECT_TRUE(HoldsClassroom(target));
}

TEST_F(SampleClassroomTest, AFailedCopyLeavesNeitherASampleNorAHalfCopy) {
    const fs::path target = SampleClassroomIn(top / "home");
    EXPECT_THROW((void)OpenSampleClassroom(top / "nowhere", target), PlatformError);
    EXPECT_FALSE(fs::exists(target));
    EXPECT_TRUE(fs::is_empty(target.parent_path()));
}

TEST_F(SampleClassroomTest, TheMissingTeachingFilesAreNamed) {
    const fs::path bundled = MakeBundled(top / "usr");
    const std::vector<std::string> missing = MissingTeachingFiles(bundled / "data");
    EXPECT_EQ(missing.size(), 8u); // all but the home page
    EXPECT_EQ(missing.front(), "kyouzai/contents/option0-1.html");
    EXPECT_EQ(missing.back(), "body_picture/smartphoneG.bmp");

    Classroom sample;
    sample.UseSampleContent();
    EXPECT_EQ(MissingTeachingFiles(sample.root / "data"), std::vector<std::string>{});
}
