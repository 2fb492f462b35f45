#include "teacher/ShareCheck.h"

#include "platform/PlatformError.h"
#include "platform/Text.h"
#include "teacher/ClassroomFolder.h"
#include "teacher/CrossComputerLocks.h"
#include "teacher/ShareTiming.h"
#include "teacher/ShareWrites.h"

#include <cstdio>

namespace vq {
namespace {

using Verdict = ShareFinding::Verdict;

constexpr const char* kScratchTopic = "作業用フォルダ";

// The check's own folder, removed when the check ends however it ends.
class ScratchFolder {
public:
    ScratchFolder(ShareAccess& share, std::string path) : share_(share), path_(std::move(path)) {
        try {
            share_.MakeFolder(path_);
        } catch (...) {
            (void)TryRemove(); // a folder made but refused afterwards
            throw;
        }
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() {
        if (!removed_) (void)TryRemove();
    }

    [[nodiscard]] const std::string& Path() const { return path_; }
    [[nodiscard]] bool Remove() {
        removed_ = true;
        return TryRemove();
    }

private:
    bool TryRemove() noexcept {
        try {
            return share_.RemoveFolder(path_);
        } catch (...) {
            return false;
        }
    }

    ShareAccess& share_;
    std::string path_;
    bool removed_ = false;
};

// Beside data/, named so that whoever finds one left by a check that was killed knows what it is;
// two checks at the same moment (two teachers) each get their own.
std::string ScratchPath(const ClassroomFolder& folder, ShareAccess& share) {
    char name[96];
    std::snprintf(name, sizeof name, "velquinlan-share-check-%ld-%llx.tmp", share.ProcessId(),
                  static_cast<unsigned long long>(share.Elapsed().count()));
    return folder.BesideData(name);
}

// A small file of the size of a data file's usual read.
std::string ProbeContent() { return std::string(200, 'x') + "\r\n"; }

void AddSpeedFindings(ShareAccess& share, const std::string& probe, std::vector<ShareFinding>& findings) {
    try {
        for (ShareFinding& finding : SpeedFindings(MeasureRoundTrips(share, probe))) findings.push_back(std::move(finding));
    } catch (const PlatformError& e) {
        findings.push_back({Verdict::Problem, "ファイルサーバーとの往復",
                            std::string(e.what()) + "。ファイルサーバーとの接続を確かめてください。"});
    }
}

void RunChecks(ShareAccess& share, const ClassroomFolder& folder, const std::string& scratch,
               std::vector<ShareFinding>& findings) {
    const std::string probe = scratch + "/probe.dat";
    share.Write(probe, ProbeContent());
    // The folder's own "now": the file server's time, which the phones' heartbeats carry too.
    const auto written = share.Stat(probe);
    if (!written) throw PlatformError("書いたばかりのファイルが見つかりません: " + Cp932ToUtf8(probe));
    AddSpeedFindings(share, probe, findings);
    findings.push_back(CheckAppends(share, scratch));
    const ShareFinding locks = CheckLocks(share, scratch);
    findings.push_back(locks);
    findings.push_back(CheckRenameOver(share, scratch));
    // Without locks that work here there is nothing to see between computers; the lock finding says what to do.
    if (locks.verdict == Verdict::Good)
        findings.push_back(CheckLocksBetweenComputers(share, folder.DataPath("mail_box/"), written->lastWriteNs));
}

} // namespace

std::vector<ShareFinding> CheckShare(const std::string& classroomFolder, ShareAccess& share) {
    const ClassroomFolder folder(classroomFolder);
    if (!share.FolderExists(folder.Root())) throw PlatformError("フォルダがありません: " + Cp932ToUtf8(folder.Root()));
    std::vector<ShareFinding> findings;
    try {
        ScratchFolder scratch(share, ScratchPath(folder, share));
        RunChecks(share, folder, scratch.Path(), findings);
        if (!scratch.Remove())
            findings.push_back({Verdict::Problem, kScratchTopic,
                                "確認に使ったフォルダを消せませんでした: " + Cp932ToUtf8(scratch.Path()) +
                                    "。この共有フォルダではファイルを消せないようです（授業の片付けやプロフの削除に必要です）。"
                                    "共有フォルダで削除が許されているかを確かめ、このフォルダは手で消してください。"});
    } catch (const PlatformError& e) {
        findings.push_back({Verdict::Problem, kScratchTopic,
                            "教室フォルダの中に、確認に使うフォルダとファイルを作れませんでした: " + std::string(e.what()) +
                                "。このコンピュータから教室フォルダに書きこめるかを確かめてください。"});
    }
    return findings;
}

} // namespace vq
