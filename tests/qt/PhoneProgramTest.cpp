// The phone as a school starts it: on the folder it is given, or from a first screen that finds one.

#include "Waiting.h"

#include "desktop/phone/DesktopPhone.h"
#include "desktop/phone/PhoneProgram.h"
#include "support/Classroom.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QWindow>

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace vq;
using namespace vqtest;

namespace {

bool Shows(const QWidget& window, const QString& text) {
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->isVisible() && label->text().contains(text)) return true;
    return false;
}

// What Qt does to a shown window whose widgets come to need the graphics stack.
struct NativeWindowRemaker : QWidget {
    static void Remake(QWidget& window) {
        auto& remaker = static_cast<NativeWindowRemaker&>(window);
        remaker.destroy(true, false);
        remaker.create();
        window.show();
    }
};
void RemakeNativeWindow(QWidget& window) { NativeWindowRemaker::Remake(window); }

class PhoneProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("VELQUINLAN_STATION", "PC07");
        sample.UseSampleContent();
        fs::create_directories(empty);
    }
    void TearDown() override { qunsetenv("VELQUINLAN_STATION"); }

    FirstRunWindow& FirstRun() {
        if (!program.FirstRun()) throw std::runtime_error("no first-run screen");
        return *program.FirstRun();
    }
    void Press(const char* button) { FirstRun().findChild<QPushButton*>(QString::fromLatin1(button))->click(); }
    static bool StationStartedIn(const fs::path& classroom) {
        return fs::exists(classroom / "data/mail_box/log_PC07.dat");
    }

    Classroom sample;  // the sample that comes with the program
    Classroom scratch; // holds the pupil's home and other folders
    fs::path empty = scratch.root / "empty";
    fs::path home = scratch.root / "home";
    QString answer;    // what the pupil picks in the folder dialog
    PhoneProgram program{{empty, sample.root, home, [this](QWidget*, const QString&) { return answer; }}, CaptureSource::None};
};

} // namespace

TEST_F(PhoneProgramTest, TheGivenClassroomFolderIsWhereTheStationWorks) {
    program.Open(sample.root);
    ASSERT_NE(program.Station(), nullptr);
    EXPECT_EQ(program.FirstRun(), nullptr);
    EXPECT_TRUE(StationStartedIn(sample.root));
    EXPECT_EQ(program.Station()->phone().DataRoot, sample.DataRoot());
    EXPECT_TRUE(program.Station()->window().isVisible());
}

TEST_F(PhoneProgramTest, WithoutADataFolderTheFirstScreenStartsTheSampleInTheirOwnCopy) {
    program.Open(std::nullopt);
    ASSERT_EQ(program.Station(), nullptr);
    EXPECT_TRUE(FirstRun().isVisible());
    EXPECT_TRUE(Shows(FirstRun(), QStringLiteral("今のフォルダ（%1）には data フォルダがありません").arg(QString::fromStdString(empty.string()))));

    Press("TrySample");
    const fs::path copy = home / "VelquinLAN/見本のクラス";
    ASSERT_NE(program.Station(), nullptr);
    EXPECT_TRUE(StationStartedIn(copy));
    EXPECT_FALSE(StationStartedIn(sample.root)); // the sample itself stays as it came
    EXPECT_TRUE(WaitUntil([&] { return program.FirstRun() == nullptr; }));
}

TEST_F(PhoneProgramTest, AChosenFolderWithoutDataIsRefusedAndAClassroomFolderStarts) {
    program.Open(std::nullopt);
    answer = QString::fromStdString(empty.string());
    Press("ChooseClassroom");
    EXPECT_EQ(program.Station(), nullptr);
    auto* refusal = FirstRun().findChild<QMessageBox*>(QStringLiteral("FirstRunMessage"));
    ASSERT_NE(refusal, nullptr);
    EXPECT_TRUE(refusal->text().contains(QStringLiteral("data フォルダがありません")));
    refusal->accept();

    answer.clear(); // the pupil cancels the dialog
    Press("ChooseClassroom");
    EXPECT_EQ(program.Station(), nullptr);

    answer = QString::fromStdString(sample.root.string());
    Press("ChooseClassroom");
    ASSERT_NE(program.Station(), nullptr);
    EXPECT_TRUE(StationStartedIn(sample.root));
}

TEST_F(PhoneProgramTest, AGivenFolderThatIsNotThereIsNamedAndClosingTheScreenEndsTheProgram) {
    QSignalSpy finished(&program, &PhoneProgram::finished);
    program.Open(scratch.root / "share/3年1組");
    EXPECT_TRUE(Shows(FirstRun(), QStringLiteral("3年1組 が見つかりません")));
    FirstRun().close();
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(program.Station(), nullptr);
}

TEST_F(PhoneProgramTest, AMissingHomePageIsReportedWithTheOtherMissingFilesOverThePhone) {
    fs::remove(sample.root / "data/kyouzai/contents/index.html");
    fs::remove(sample.root / "data/kyouzai/contents/option0-1.html");
    program.Open(sample.root);
    ASSERT_NE(program.Station(), nullptr);
    const auto boxes = program.Station()->window().findChildren<QMessageBox*>();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0]->isVisible());
    EXPECT_TRUE(boxes[0]->text().contains(QStringLiteral("kyouzai/contents/index.html")));
    EXPECT_TRUE(boxes[0]->text().contains(QStringLiteral("kyouzai/contents/option0-1.html")));
    EXPECT_FALSE(boxes[0]->text().contains(QStringLiteral("prof_quest.txt")));

    // On X11 the window system's window of the phone is made anew once the browser first draws, as
    // done here; the box must stay tied to the phone's window, above it.
    TForm1& window = program.Station()->window();
    RemakeNativeWindow(window);
    QTest::qWait(50);
    EXPECT_TRUE(boxes[0]->isVisible());
    EXPECT_EQ(boxes[0]->windowHandle()->transientParent(), window.windowHandle());
}
