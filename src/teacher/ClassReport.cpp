#include "teacher/ClassReport.h"

#include "platform/Text.h"
#include "teacher/ClassTotals.h"

namespace vq {
namespace {

using Table = std::vector<std::vector<std::u16string>>;

std::u16string Number(std::int64_t n) { return Utf8ToWide(std::to_string(n)); }

Table DebriefTable(const ClassSnapshot& snapshot, const DebriefOptions& options) {
    Table table;
    for (const std::u16string& sentence : ClassTotals(snapshot.debrief, snapshot.stations)) table.push_back({sentence});
    table.push_back({});
    table.push_back({u"項目", u"端末", u"内容", u"時刻"});
    for (const DebriefRow& row : DebriefRows(snapshot.debrief, options))
        table.push_back({row.topic, row.station, row.value, row.time});
    return table;
}

Table WholeReport(const ClassSnapshot& snapshot, const DebriefOptions& options) {
    Table table = BillTable(snapshot.stations);
    if (options.hideStations)
        for (std::size_t i = 1; i < table.size(); ++i) table[i][0] = u"生徒" + Number(static_cast<std::int64_t>(i));
    table.push_back({});
    for (auto& row : DebriefTable(snapshot, options)) table.push_back(std::move(row));
    return table;
}

// Text a pupil typed goes into the cells; one that begins like a formula ("=HYPERLINK(...") would be
// run by the spreadsheet, so it is written as text.
std::u16string CsvCell(const std::u16string& typed) {
    const bool formulaLike = !typed.empty() && std::u16string_view(u"=+-@").find(typed.front()) != std::u16string_view::npos;
    const std::u16string cell = formulaLike ? u"'" + typed : typed;
    if (cell.find_first_of(u",\"\r\n") == std::u16string::npos) return cell;
    std::u16string quoted = u"\"";
    for (const char16_t c : cell) {
        if (c == u'"') quoted += u'"';
        quoted += c;
    }
    return quoted + u"\"";
}

// A tab or a line break typed into a fortune would break the table's lines.
std::u16string TextCell(std::u16string cell) {
    for (char16_t& c : cell)
        if (c == u'\t' || c == u'\r' || c == u'\n') c = u' ';
    return cell;
}

} // namespace

Table BillTable(const std::vector<StationSummary>& stations) {
    Table table;
    std::vector<std::u16string> header{u"端末", u"合計（円）"};
    for (const UnitCharge& charge : ChargeTitles()) header.emplace_back(charge.title);
    table.push_back(std::move(header));
    for (const StationSummary& s : stations) {
        std::vector<std::u16string> row{ToWide(s.station), Number(s.bill.total)};
        for (const UnitCharge& charge : ChargeTitles()) row.push_back(Number(s.bill.CountOf(charge.title)));
        table.push_back(std::move(row));
    }
    return table;
}

std::string ReportText(const ClassSnapshot& snapshot, const DebriefOptions& options) {
    std::u16string text;
    for (const auto& row : WholeReport(snapshot, options)) {
        for (std::size_t i = 0; i < row.size(); ++i) text += (i ? u"\t" : u"") + TextCell(row[i]);
        text += u"\n";
    }
    return WideToUtf8(text);
}

std::string ReportCsv(const ClassSnapshot& snapshot, const DebriefOptions& options) {
    std::u16string text;
    for (const auto& row : WholeReport(snapshot, options)) {
        for (std::size_t i = 0; i < row.size(); ++i) text += (i ? u"," : u"") + CsvCell(row[i]);
        text += u"\r\n";
    }
    return "\xEF\xBB\xBF" + WideToUtf8(text);
}

} // namespace vq
