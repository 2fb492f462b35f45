#include "teacher/ShareFinding.h"

#include <algorithm>

namespace vq {

std::string VerdictLabel(ShareFinding::Verdict verdict) {
    switch (verdict) {
    case ShareFinding::Verdict::Good: return "○ 良好";
    case ShareFinding::Verdict::Problem: return "× 問題あり";
    case ShareFinding::Verdict::CouldNotTell: break;
    }
    return "？ 確認できず";
}

std::string FindingLine(const ShareFinding& finding) {
    return "[" + VerdictLabel(finding.verdict) + "] " + finding.topic + ": " + finding.text;
}

bool AnyProblem(const std::vector<ShareFinding>& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const ShareFinding& f) { return f.verdict == ShareFinding::Verdict::Problem; });
}

} // namespace vq
