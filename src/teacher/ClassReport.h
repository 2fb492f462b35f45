#pragma once

#include "teacher/ClassWatcher.h"
#include "teacher/DebriefRows.h"

#include <string>
#include <vector>

namespace vq {

// The class report as a table: a header and one row per station (station, total yen, then the count
// of every charged title in the charge table's order); all cells UTF-16.
[[nodiscard]] std::vector<std::vector<std::u16string>> BillTable(const std::vector<StationSummary>& stations);

// The whole report as UTF-8 text: the bill table with its cells separated by tabs, a blank line,
// the class totals, a blank line and the debrief's rows.
[[nodiscard]] std::string ReportText(const ClassSnapshot& snapshot, const DebriefOptions& options = {});

// The same as CSV for a spreadsheet: UTF-8 with a byte order mark (without one Japanese spreadsheet
// programs take the file for Shift_JIS), CR LF line ends, cells quoted where they need it.
[[nodiscard]] std::string ReportCsv(const ClassSnapshot& snapshot, const DebriefOptions& options = {});

} // namespace vq
