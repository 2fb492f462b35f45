// The console as a school starts it: on the folder it is given, or from a first screen that opens a
// classroom folder, makes a new one, or opens the sample copy that a phone on the PC uses too.

#include "desktop/teacher/TeacherProgram.h"
#include "desktop/teacher/TeacherWindow.h"
#include "platform/ClassroomFolder.h"
#include "platform/NativePath.h"
#include "support/Classroom.h"
#include "Waiting.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <fstream>
#include <set>

namespace fs = std::filesystem;
using namespace vq;
using namespace vqtest;

namespace {

std::set<fs::path> FilesIn(const fs::path& folder) {
    std::set<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) files.insert(entry.path());
    return files;
}

class TeacherProgramTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { QStandardPaths::setTestModeEnabled(true); }
    void SetUp() override {
        sample.UseSampleContent();
        fs::create_directories(empty);
    }

    FirstRunWindow& FirstRun() {
        if (!program.FirstRun()) throw std::runtime_error("no first-run screen");
        return *program.FirstRun();
    }
    QPushButton* Button(const char* name) { return FirstRun().findChild<QPushButton*>(QString::fromLatin1(name)); }
    bool Shows(const QString& text) {
        for (const QLabel* label : FirstRun().findChildren<QLabel*>())
            if (label->isVisible() && label->text().contains(text)) return true;
        return false;
    }
    QString Refusal() {
        auto* box = FirstRun().findChild<QMessageBox*>(QStringLiteral("FirstRunMessage"));
        if (!box) return {};
        const QString text = box->text();
        box->accept();
        QTest::qWait(0); // the box deletes itself on close
        return text;
    }
    Classroom sample;  // the sample that comes with the programs
    Classroom scratch; // holds the teacher's home and other folders
    fs::path empty = scratch.root / "empty";
    fs::path home = scratch.root / "home";
    QString answer; // what the teacher picks in the folder dialog
    QString asked;  // the title of the last folder dialog
    ManualClock clock{LocalDateTime{2026, 12, 7, 9, 0, 0}};
    TeacherProgram program{{empty, sample.root, home,
                            [this](QWidget*, const QString& title) {
                                asked = title;
                                return answer;
                            }},
                           FromNativeName((sample.root / "data").string()), clock};
};

} // namespace

TEST_F(TeacherProgramTest, TheGivenClassroomFolderOpensAtOnceAndIsLeftAsItWas) {
    const auto before = FilesIn(sample.root);
    program.Open(sample.root);
    ASSERT_NE(program.Window(), nullptr);
    EXPECT_EQ(program.FirstRun(), nullptr);
    EXPECT_TRUE(program.Window()->isVisible());
    EXPECT_EQ(FilesIn(sample.root), before); // the console is not a station
}

TEST_F(TeacherProgramTest, WithoutADataFolderTheFirstScreenOffersAFolderANewClassAndTheSample) {
    program.Open(std::nullopt);
    ASSERT_EQ(program.Window(), nullptr);
    EXPECT_TRUE(FirstRun().isVisible());
    EXPECT_TRUE(Shows(QStringLiteral("今のフォルダ（%1）には data フォルダがありません").arg(QString::fromStdString(empty.string()))));
    EXPECT_TRUE(Shows(QStringLiteral("velquinlan-teacher /srv/velquinlan/3年1組")));
    ASSERT_NE(Button("ChooseClassroom"), nullptr);
    ASSERT_NE(Button("NewClassroom"), nullptr);
    ASSERT_NE(Button("TrySample"), nullptr);
    EXPECT_EQ(Button("TrySample")->text(), QStringLiteral("見本のクラスを開く"));
    EXPECT_TRUE(Button("TrySample")->isDefault());
    // Side by side, each button shows its whole text.
    for (const char* name : {"ChooseClassroom", "NewClassroom", "TrySample"})
        EXPECT_GE(Button(name)->width(), Button(name)->sizeHint().width()) << name;
}

TEST_F(TeacherProgramTest, TheSampleOpensInTheCopyThePhoneUsesAndTheSampleStaysAsItCame) {
    const auto sampleFiles = FilesIn(sample.root);
    program.Open(std::nullopt);
    Button("TrySample")->click();
    const fs::path copy = SampleClassroomIn(home);
    ASSERT_NE(program.Window(), nullptr);
    EXPECT_TRUE(fs::is_regular_file(copy / "data/kyouzai/contents/index.html"));
    EXPECT_EQ(FilesIn(sample.root), sampleFiles);
    EXPECT_TRUE(WaitUntil([&] { return program.FirstRun() == nullptr; }));
}

// The post's station has no log or inbox in the copy: it is shown under its name all the same.
TEST_F(TeacherProgramTest, ASampleCopyAPhoneAlreadyUsedIsOpenedAsThePupilsLeftIt) {
    fs::create_directories(SampleClassroomIn(home));
    fs::copy(sample.root, SampleClassroomIn(home), fs::copy_options::recursive);
    const fs::path board = SampleClassroomIn(home) / "data/bbs/bbsData.dat";
    { std::ofstream(board) << "PC01#c#10.0.0.1#c#2026/12/07 9:01:00#c#a post\r\n"; }
    program.Open(std::nullopt);
    Button("TrySample")->click();
    ASSERT_NE(program.Window(), nullptr);
    auto* posts = program.Window()->findChild<QTableWidget*>(QStringLiteral("postsTable"));
    ASSERT_EQ(posts->rowCount(), 1);
    EXPECT_EQ(posts->item(0, 1)->text(), QStringLiteral("PC01"));
    std::ifstream read(board);
    std::string line;
    std::getline(read, line);
    EXPECT_EQ(line, "PC01#c#10.0.0.1#c#2026/12/07 9:01:00#c#a post\r");
}

TEST_F(TeacherProgramTest, ANewClassroomIsMadeInTheChosenFolderAndOpened) {
    program.Open(std::nullopt);
    answer.clear(); // the teacher cancels the dialog
    Button("NewClassroom")->click();
    EXPECT_EQ(program.Window(), nullptr);
    EXPECT_TRUE(asked.contains(QStringLiteral("新しいクラスフォルダ")));

    answer = QString::fromStdString(sample.root.string()); // already a classroom: refused, left alone
    Button("NewClassroom")->click();
    EXPECT_EQ(program.Window(), nullptr);
    EXPECT_TRUE(Refusal().contains(QStringLiteral("すでに data フォルダがあります")));

    const fs::path made = scratch.root / "share/3年1組";
    answer = QString::fromStdString(made.string());
    Button("NewClassroom")->click();
    ASSERT_NE(program.Window(), nullptr);
    EXPECT_TRUE(fs::is_regular_file(made / "data/kyouzai/contents/index.html"));
    EXPECT_TRUE(fs::is_regular_file(made / "data/bbs/bbsData.dat"));
}

TEST_F(TeacherProgramTest, AChosenFolderWithoutDataIsRefusedAndAGivenFolderThatIsNotThereIsNamed) {
    QSignalSpy finished(&program, &TeacherProgram::finished);
    program.Open(scratch.root / "share/3年2組");
    EXPECT_TRUE(Shows(QStringLiteral("3年2組 が見つかりません")));

    answer = QString::fromStdString(empty.string());
    Button("ChooseClassroom")->click();
    EXPECT_EQ(program.Window(), nullptr);
    EXPECT_TRUE(Refusal().contains(QStringLiteral("data フォルダがありません")));

    FirstRun().close();
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(program.Window(), nullptr);
}
