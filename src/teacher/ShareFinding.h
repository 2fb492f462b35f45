#pragma once

#include <string>
#include <vector>

namespace vq {

// One thing the share check found out about the classroom folder, in words for the teacher.
struct ShareFinding {
    enum class Verdict { Good, Problem, CouldNotTell };
    Verdict verdict = Verdict::CouldNotTell;
    std::string topic; // UTF-8, a few words: "ロック"
    std::string text;  // UTF-8: what was found, what it means, and what to do where something is wrong
};

// What to do wherever locks fail: the mount options that keep them from the server, or another share.
inline constexpr const char* kLockAdvice =
    "スマホを動かすコンピュータで、共有フォルダのマウントオプションから nobrl・nolock・local_lock を外すか、"
    "ロックがファイルサーバーまで届く別の共有フォルダを使ってください。";

// "○ 良好", "× 問題あり", "？ 確認できず": marked by sign and word, so neither colour nor a projector
// that washes it out is needed to tell them apart.
[[nodiscard]] std::string VerdictLabel(ShareFinding::Verdict verdict);
// One line: the verdict, the topic and the text.
[[nodiscard]] std::string FindingLine(const ShareFinding& finding);
[[nodiscard]] bool AnyProblem(const std::vector<ShareFinding>& findings);

} // namespace vq
