// The share check before a class: a share that loses posts or mails must be found out by it, and a
// share that works must not be blamed.

#include "platform/Files.h"
#include "platform/NativePath.h"
#include "platform/PlatformError.h"
#include "platform/StationLock.h"
#include "platform/Text.h"
#include "platform/ThisProcess.h"
#include "shell/HeartbeatRecord.h"
#include "support/Classroom.h"
#include "teacher/ShareCheck.h"
#include "teacher/TeacherCommand.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

using namespace vq;
using namespace vqtest;
namespace fs = std::filesystem;
using Verdict = ShareFinding::Verdict;

namespace {

// Locks that never leave one client of the share (smbnetfs, a CIFS mount with nobrl): within this
// mount they work, but a phone's lock, taken through its own mount, is never seen from here. With
// Scope::EveryFile not even this mount's own locks are seen: every lock is granted.
class LocksOnOwnFiles final : public DiskShareAccess {
public:
    enum class Scope { PhonesOnly, EveryFile };
    LocksOnOwnFiles(fs::path ownFiles, Scope scope) : ownFiles_(std::move(ownFiles)), scope_(scope) {
        fs::create_directories(ownFiles_);
    }
    StationLock TakeLock(const std::string& path) override {
        if (scope_ == Scope::PhonesOnly && path.find("/mail_box/") == std::string::npos) return DiskShareAccess::TakeLock(path);
        const std::string own = (ownFiles_ / std::to_string(++taken_)).string();
        CreateIfMissing(own, "\r\n");
        return StationLock::TryTake(own);
    }

private:
    fs::path ownFiles_;
    Scope scope_;
    int taken_ = 0;
};

// A file system that keeps no locks at all.
class NoLocks final : public DiskShareAccess {
public:
    StationLock TakeLock(const std::string&) override { return StationLock(); }
};

// A server that takes readMs for every open, read and close and statMs for every stat, on the
// check's own clock; the first read takes five seconds more (a server waking up).
class SlowServer final : public DiskShareAccess {
public:
    SlowServer(int readMs, int statMs) : read_(readMs), stat_(statMs) {}
    std::string Read(const std::string& path) override {
        now_ += read_ + (reads_++ == 0 ? std::chrono::seconds(5) : std::chrono::seconds(0));
        return DiskShareAccess::Read(path);
    }
    std::optional<FileState> Stat(const std::string& path) override {
        now_ += stat_;
        return DiskShareAccess::Stat(path);
    }
    std::chrono::nanoseconds Elapsed() override { return now_; }

private:
    std::chrono::milliseconds read_, stat_;
    std::chrono::nanoseconds now_{0};
    int reads_ = 0;
};

// A share that will not rename over a file, and one whose connection breaks in the middle of the check.
class RenameRefused final : public DiskShareAccess {
public:
    void Replace(const std::string& path, std::string_view) override {
        throw PlatformError("ファイルを置き換えられません: " + Cp932ToUtf8(path) + "（アクセス権がありません）");
    }
};
class BreaksMidway final : public DiskShareAccess {
public:
    bool AppendLine(const std::string&, std::string_view) override { throw std::runtime_error("connection reset"); }
};

class ShareCheckTest : public ::testing::Test {
protected:
    // A phone as the share sees it: its inbox, its station lock held on an open file of its own,
    // and its heartbeat naming the computer it runs on.
    StationLock RunPhone(const std::string& station, const std::string& host, long processId = ThisProcessId()) {
        classroom.WriteBytes("mail_box/log_" + station + ".dat", "\r\n");
        WriteHeartbeat(station, host, processId);
        StationLock lock = StationLock::TryTake(Inbox(station));
        EXPECT_EQ(lock.state(), StationLock::State::Held);
        return lock;
    }
    std::string Inbox(const std::string& station) const {
        return FromNativeName(classroom.DataRoot()) + "mail_box/log_" + station + ".dat";
    }
    void WriteHeartbeat(const std::string& station, const std::string& host, long processId) {
        classroom.WriteBytes("mail_box/" + HeartbeatFileName(station), HeartbeatText({station, host, processId}));
    }
    void AgeHeartbeat(const std::string& station, std::chrono::seconds age) {
        const fs::path file = classroom.root / "data/mail_box" / HeartbeatFileName(station);
        fs::last_write_time(file, fs::file_time_type::clock::now() - age);
    }

    std::vector<ShareFinding> Check(ShareAccess& share) { return CheckShare(FromNativeName(classroom.root.string()), share); }
    std::vector<ShareFinding> Check() {
        DiskShareAccess disk;
        return Check(disk);
    }
    static const ShareFinding* Find(const std::vector<ShareFinding>& findings, const std::string& topic) {
        for (const ShareFinding& f : findings)
            if (f.topic == topic) return &f;
        return nullptr;
    }
    static ShareFinding Between(const std::vector<ShareFinding>& findings) {
        const ShareFinding* f = Find(findings, "コンピュータの間のロック");
        return f ? *f : ShareFinding{Verdict::Good, "", "(no finding between computers)"};
    }
    // Whatever happened, the classroom folder holds what it held before the check.
    std::vector<std::string> BesideData() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(classroom.root)) names.push_back(entry.path().filename().string());
        return names;
    }

    Classroom classroom{"3年1組"};
    fs::path ownMount = classroom.root.parent_path() / "mount2";
};

} // namespace

TEST_F(ShareCheckTest, OnALocalFolderEverythingWorksAndWithoutARunningPhoneBetweenComputersCannotBeTold) {
    const auto findings = Check();
    ASSERT_EQ(findings.size(), 7u);
    for (const char* topic : {"ファイルサーバーとの往復", "プロフ一覧", "掲示板", "書き足し", "ロック", "置きかえ"}) {
        const ShareFinding* f = Find(findings, topic);
        ASSERT_NE(f, nullptr) << topic;
        EXPECT_EQ(f->verdict, Verdict::Good) << FindingLine(*f);
    }
    EXPECT_TRUE(Find(findings, "プロフ一覧")->text.starts_with("プロフ一覧の表示に")) << Find(findings, "プロフ一覧")->text;
    const ShareFinding between = Between(findings);
    EXPECT_EQ(between.verdict, Verdict::CouldNotTell);
    EXPECT_TRUE(between.text.starts_with("いま動いているスマホが見つからない")) << between.text;
    EXPECT_NE(between.text.find("ほかのコンピュータでスマホを1台起動してから"), std::string::npos);
    EXPECT_FALSE(AnyProblem(findings));
    EXPECT_EQ(BesideData(), std::vector<std::string>{"data"});
}

TEST_F(ShareCheckTest, ARunningPhoneWhoseLockIsSeenTellsWhetherLocksCrossComputers) {
    StationLock here = RunPhone("PC01", ThisHostName());
    StationLock unnamed = RunPhone("PC03", ""); // a heartbeat that names no computer proves nothing
    const ShareFinding alone = Between(Check());
    EXPECT_EQ(alone.verdict, Verdict::CouldNotTell);
    EXPECT_NE(alone.text.find("このコンピュータのものだけ"), std::string::npos) << alone.text;

    StationLock elsewhere = RunPhone("PC02", "pc-room-02", 4242);
    const ShareFinding crossed = Between(Check());
    EXPECT_EQ(crossed.verdict, Verdict::Good);
    EXPECT_NE(crossed.text.find("PC02（pc-room-02）"), std::string::npos) << crossed.text;
    EXPECT_EQ(crossed.text.find("PC01"), std::string::npos) << crossed.text;
    EXPECT_EQ(crossed.text.find("PC03"), std::string::npos) << crossed.text;
    // The check let go of nothing it did not take: both phones still hold their names.
    EXPECT_EQ(ProbeStationLock(Inbox("PC01")), StationRunning::Yes);
    EXPECT_EQ(ProbeStationLock(Inbox("PC02")), StationRunning::Yes);
}

TEST_F(ShareCheckTest, APhoneWhoseLockTheCheckCanTakeMeansLocksDoNotReachTheServer) {
    StationLock phone = RunPhone("PC02", "pc-room-02", 4242);
    LocksOnOwnFiles mount(ownMount, LocksOnOwnFiles::Scope::PhonesOnly);
    const auto findings = Check(mount);
    EXPECT_EQ(Find(findings, "ロック")->verdict, Verdict::Good); // within one mount they work
    const ShareFinding between = Between(findings);
    EXPECT_EQ(between.verdict, Verdict::Problem);
    EXPECT_TRUE(between.text.starts_with("ほかのコンピュータのスマホのロックが見えません: PC02（pc-room-02）")) << between.text;
    EXPECT_NE(between.text.find("nobrl・nolock・local_lock"), std::string::npos);
    EXPECT_TRUE(AnyProblem(findings));

    // The same on the real folder with a phone whose lock never reached it.
    phone.Release();
    EXPECT_EQ(Between(Check()).verdict, Verdict::Problem);
}

TEST_F(ShareCheckTest, OnTheRigAPhoneOnTheOtherMountOfThisComputerIsNotSeenEither) {
    StationLock phone = RunPhone("PC01", ThisHostName());
    LocksOnOwnFiles secondMount(ownMount, LocksOnOwnFiles::Scope::PhonesOnly);
    const ShareFinding between = Between(Check(secondMount));
    EXPECT_EQ(between.verdict, Verdict::Problem);
    EXPECT_TRUE(between.text.starts_with("動いているスマホのロックが見えません: PC01")) << between.text;
}

TEST_F(ShareCheckTest, HeartbeatsOfPhonesThatAreGoneAreIgnored) {
    WriteHeartbeat("PC01", "pc-room-01", 4242);
    classroom.WriteBytes("mail_box/log_PC01.dat", "\r\n");
    AgeHeartbeat("PC01", std::chrono::minutes(3));
    // A phone of this computer whose process ended without removing its heartbeat.
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    WriteHeartbeat("PC03", ThisHostName(), child);
    classroom.WriteBytes("mail_box/log_PC03.dat", "\r\n");
    // A file that is no station's heartbeat, and a name no station can have.
    classroom.WriteBytes("mail_box/.alive", "");
    classroom.WriteBytes("mail_box/a:b.alive", "");

    const ShareFinding between = Between(Check());
    EXPECT_EQ(between.verdict, Verdict::CouldNotTell);
    EXPECT_TRUE(between.text.starts_with("いま動いているスマホが見つからない")) << between.text;

    AgeHeartbeat("PC01", std::chrono::seconds(30)); // missed a beat on a slow share: still running
    EXPECT_EQ(Between(Check()).verdict, Verdict::Problem);
}

TEST_F(ShareCheckTest, LocksThatDoNotWorkAtAllAreAProblemAndNothingIsClaimedBetweenComputers) {
    StationLock phone = RunPhone("PC02", "pc-room-02", 4242);
    NoLocks none;
    auto findings = Check(none);
    EXPECT_EQ(Find(findings, "ロック")->verdict, Verdict::Problem);
    EXPECT_NE(Find(findings, "ロック")->text.find("ファイルのロックが使えません"), std::string::npos);
    EXPECT_EQ(Find(findings, "コンピュータの間のロック"), nullptr);

    LocksOnOwnFiles granted(ownMount, LocksOnOwnFiles::Scope::EveryFile);
    findings = Check(granted);
    EXPECT_EQ(Find(findings, "ロック")->verdict, Verdict::Problem);
    EXPECT_NE(Find(findings, "ロック")->text.find("見えませんでした"), std::string::npos) << Find(findings, "ロック")->text;
    EXPECT_EQ(BesideData(), std::vector<std::string>{"data"});
}

TEST_F(ShareCheckTest, ASlowServerMakesThePagesAProblemWithTheTimeTheyWillTake) {
    SlowServer normal(9, 4); // about what a school LAN gives through smbnetfs
    auto findings = Check(normal);
    EXPECT_EQ(Find(findings, "プロフ一覧")->text, "プロフ一覧の表示に約0.05秒かかります。生徒を待たせない速さです。");
    EXPECT_NE(Find(findings, "ファイルサーバーとの往復")->text.find("開いて読んで閉じるのに9.0ミリ秒、"), std::string::npos)
        << Find(findings, "ファイルサーバーとの往復")->text; // the first slow read is not the median
    EXPECT_NE(Find(findings, "ファイルサーバーとの往復")->text.find("調べるのに4.0ミリ秒"), std::string::npos);

    SlowServer slow(200, 50);
    findings = Check(slow);
    for (const char* topic : {"ファイルサーバーとの往復", "プロフ一覧", "掲示板"})
        EXPECT_EQ(Find(findings, topic)->verdict, Verdict::Problem) << topic;
    EXPECT_EQ(Find(findings, "プロフ一覧")->text, "プロフ一覧の表示に約1.2秒かかります。生徒がページを開くたびに待たされます。");
    EXPECT_NE(Find(findings, "ファイルサーバーとの往復")->text.find("ネットワークの管理者"), std::string::npos);
}

TEST_F(ShareCheckTest, TheScratchFolderIsRemovedWhateverGoesWrong) {
    RenameRefused noRename;
    const auto findings = Check(noRename);
    const ShareFinding* rename = Find(findings, "置きかえ");
    ASSERT_NE(rename, nullptr);
    EXPECT_EQ(rename->verdict, Verdict::Problem);
    EXPECT_NE(rename->text.find("アクセス権がありません"), std::string::npos) << rename->text;
    EXPECT_NE(rename->text.find("名前の変更と上書きが許されているか"), std::string::npos);
    EXPECT_EQ(BesideData(), std::vector<std::string>{"data"});

    BreaksMidway broken;
    EXPECT_THROW((void)Check(broken), std::runtime_error);
    EXPECT_EQ(BesideData(), std::vector<std::string>{"data"});
}

TEST_F(ShareCheckTest, AFolderThatCannotBeWrittenIsOneProblemAndAMissingFolderAnError) {
    class ReadOnly final : public DiskShareAccess {
    public:
        void MakeFolder(const std::string& path) override {
            throw PlatformError("フォルダを作成できません: " + Cp932ToUtf8(path) + "（書き込みできない場所です）");
        }
    } readOnly;
    const auto findings = Check(readOnly);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].verdict, Verdict::Problem);
    EXPECT_NE(findings[0].text.find("書きこめるかを確かめてください"), std::string::npos) << findings[0].text;

    DiskShareAccess disk;
    EXPECT_THROW((void)CheckShare(FromNativeName((classroom.root / "gone").string()), disk), PlatformError);
}

TEST_F(ShareCheckTest, TheCommandPrintsALineAFindingAndEndsWithOneOnAProblem) {
    std::string error;
    const auto command = ParseTeacherCommand({"--check-share", classroom.root.string()}, error);
    ASSERT_TRUE(command) << error;
    EXPECT_EQ(command->kind, TeacherCommand::Kind::CheckShare);
    ManualClock clock;
    const TeacherEnvironment env{"/", "", clock, ""};

    std::ostringstream out, err;
    EXPECT_EQ(RunTeacherCommand(*command, env, out, err), 0) << err.str();
    std::vector<std::string> lines;
    std::istringstream printed(out.str());
    for (std::string line; std::getline(printed, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 7u) << out.str();
    EXPECT_TRUE(lines[1].starts_with("[○ 良好] プロフ一覧: プロフ一覧の表示に")) << lines[1];
    EXPECT_TRUE(lines[6].starts_with("[？ 確認できず] コンピュータの間のロック: ")) << lines[6];

    WriteHeartbeat("PC02", "pc-room-02", 4242); // running, but its lock never reached this folder
    classroom.WriteBytes("mail_box/log_PC02.dat", "\r\n");
    std::ostringstream problem;
    EXPECT_EQ(RunTeacherCommand(*command, env, problem, err), 1);
    EXPECT_NE(problem.str().find("[× 問題あり] コンピュータの間のロック: ほかのコンピュータのスマホのロックが見えません"),
              std::string::npos)
        << problem.str();

    std::ostringstream none, missing;
    EXPECT_EQ(RunTeacherCommand({TeacherCommand::Kind::CheckShare, false, (classroom.root / "gone").string()}, env, none,
                                missing),
              1);
    EXPECT_NE(missing.str().find("フォルダがありません"), std::string::npos) << missing.str();
}
