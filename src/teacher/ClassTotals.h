#pragma once

#include "teacher/Debrief.h"
#include "teacher/StationSummary.h"

#include <string>
#include <vector>

namespace vq {

// The debrief in plain sentences for the whole class, e.g. "12人が電話番号を入力しました。".
[[nodiscard]] std::vector<std::u16string> ClassTotals(const Debrief& debrief, const std::vector<StationSummary>& stations);

} // namespace vq
