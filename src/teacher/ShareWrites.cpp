#include "teacher/ShareWrites.h"

#include "platform/PlatformError.h"

#include <functional>

namespace vq {
namespace {

using Verdict = ShareFinding::Verdict;

constexpr const char* kAppends = "書き足し";
constexpr const char* kLocks = "ロック";
constexpr const char* kRenameOver = "置きかえ";

// A share that refuses an operation is a problem: the phones need every one of them.
ShareFinding Tried(const char* topic, const char* advice, const std::function<ShareFinding()>& check) {
    try {
        return check();
    } catch (const PlatformError& e) {
        return {Verdict::Problem, topic, std::string(e.what()) + "。" + advice};
    }
}

} // namespace

ShareFinding CheckAppends(ShareAccess& share, const std::string& scratch) {
    return Tried(kAppends, "共有フォルダに書きこむ権限と、ファイルサーバーの空き容量を確かめてください。", [&] {
        const std::string path = scratch + "/appends.dat";
        share.Write(path, "\r\nunfinished");
        const bool appended = share.AppendLine(path, "first") && share.AppendLine(path, "second");
        if (appended && share.Read(path) == "\r\nunfinished\r\nfirst\r\nsecond\r\n")
            return ShareFinding{Verdict::Good, kAppends, "投稿やメールをファイルの終わりに書き足すことが、欠けずにできました。"};
        return ShareFinding{Verdict::Problem, kAppends,
                            "書き足した内容が、そのとおりに残りませんでした。この共有フォルダでは投稿やメールが欠けたり"
                            "混ざったりします。別の共有フォルダを使ってください。"};
    });
}

ShareFinding CheckLocks(ShareAccess& share, const std::string& scratch) {
    return Tried(kLocks, kLockAdvice, [&] {
        const std::string path = scratch + "/lock.dat";
        share.Write(path, "\r\n");
        const StationLock first = share.TakeLock(path);
        const StationLock second = share.TakeLock(path);
        if (first.state() == StationLock::State::LocksUnsupported || second.state() == StationLock::State::LocksUnsupported)
            return ShareFinding{Verdict::Problem, kLocks,
                                "この共有フォルダではファイルのロックが使えません。同時に送られた投稿やメールが消えることがあり、"
                                "同じ端末名のスマホが2台動くのも防げません。" + std::string(kLockAdvice)};
        if (first.state() == StationLock::State::Held && second.state() == StationLock::State::TakenByAnother)
            return ShareFinding{Verdict::Good, kLocks, "ファイルのロックが使えます（かけたロックが、同じファイルを別に開いても見えました）。"};
        return ShareFinding{Verdict::Problem, kLocks,
                            "かけたロックが、同じファイルを別に開くと見えませんでした。同時に送られた投稿やメールが消えることが"
                            "あります。" + std::string(kLockAdvice)};
    });
}

ShareFinding CheckRenameOver(ShareAccess& share, const std::string& scratch) {
    constexpr const char* kAdvice =
        "プロフの保存や、先生が投稿を隠す操作が失敗します。共有フォルダで、ファイルの名前の変更と上書きが許されているかを"
        "確かめてください。";
    return Tried(kRenameOver, kAdvice, [&] {
        const std::string path = scratch + "/replaced.dat";
        share.Write(path, "old\r\n");
        share.Replace(path, "new\r\n");
        if (share.Read(path) == "new\r\n")
            return ShareFinding{Verdict::Good, kRenameOver,
                                "別に書いたファイルを名前の変更で置きかえること（プロフの保存などで使います）ができました。"};
        return ShareFinding{Verdict::Problem, kRenameOver, "置きかえたはずのファイルに、古い内容が残っていました。" + std::string(kAdvice)};
    });
}

} // namespace vq
