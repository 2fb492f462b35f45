#include "site/ChargeTable.h"

#include "platform/Text.h"
#include "site/ActivityLogLine.h"
#include "site/HtmlText.h"

#include <array>
#include <unordered_map>

namespace vq {
namespace {

constexpr std::array<UnitCharge, 27> kChargeTable{{
    {u"記号特訓ドリル", 4077949218750},
    {u"第二種電気工事士過去問", 4077949218750},
    {u"計算パズル　入門編", 3389384765625},
    {u"計算パズル　初級", 3431503906250},
    {u"計算パズル　中級", 3461005859375},
    {u"危険物特訓ドリル", 5310537109375},
    {u"危険物予想問題", 5621884765625},
    {u"中学校公民", 3445419921875},
    {u"中学校歴史（古代～江戸）", 3552480468750},
    {u"中学校歴史（明治～現代）", 11962021484375},
    {u"中学校理科１年", 3763261718750},
    {u"中学校理科２年", 3763261718750},
    {u"携帯★星座早見", 11962021484375},
    {u"アダルトサイト", 2783203125000},
    {u"出会い系サイト", 2783203125000},
    {u"無料会員登録", 1391601562500},
    {u"メール送信", 95000000000},
    {u"メール受信", 95000000000},
    {u"写真つきメール送信", 1900000000000},
    {u"写真つきメール受信", 1900000000000},
    {u"姓名占い", 4653144531250},
    {u"星座占い", 4943339843750},
    {u"メルアド占い", 4653144531250},
    {u"電話番号占い", 4653144531250},
    {u"相性占い", 4653144531250},
    {u"掲示板", 2783203125000},
    {u"プロフ", 2280000000000},
}};

std::u16string Decimal(std::int64_t n) { return Utf8ToWide(std::to_string(n)); }

} // namespace

std::optional<std::int64_t> UnitChargeOf(std::u16string_view title) {
    for (const UnitCharge& c : kChargeTable)
        if (c.title == title) return c.units;
    return std::nullopt;
}

std::span<const UnitCharge> ChargeTitles() { return kChargeTable; }

std::int64_t ChargeFor(std::u16string_view title, std::int64_t count) {
    const auto unit = UnitChargeOf(title);
    if (!unit) return 0;
    const __int128 product = static_cast<__int128>(*unit) * count;
    __int128 whole = product / kChargeScale;
    const __int128 rest = product % kChargeScale;
    if (2 * rest > kChargeScale || (2 * rest == kChargeScale && whole % 2 != 0)) ++whole;
    return static_cast<std::int64_t>(whole);
}

std::vector<TallyEntry> TallyActivityLog(const std::vector<std::string>& cp932Lines) {
    std::vector<TallyEntry> tally;
    std::unordered_map<std::u16string, std::size_t> index;
    for (const std::string& raw : cp932Lines) {
        const auto line = ParseActivityLogLine(raw);
        if (!line) continue;
        const auto [it, added] = index.try_emplace(line->title, tally.size());
        if (added) tally.push_back({line->title, 0});
        ++tally[it->second].count;
    }
    return tally;
}

std::int64_t Bill::CountOf(std::u16string_view title) const {
    for (const BillRow& row : rows)
        if (row.title == title) return row.count;
    return 0;
}

Bill BillOf(const std::vector<std::string>& cp932Lines) {
    Bill bill;
    for (TallyEntry& entry : TallyActivityLog(cp932Lines)) {
        const std::int64_t yen = ChargeFor(entry.title, entry.count);
        bill.rows.push_back({std::move(entry.title), entry.count, yen});
        bill.total += yen;
    }
    return bill;
}

std::u16string ChargeTableHtml(const Bill& bill) {
    std::u16string html = u"<table>";
    for (const BillRow& row : bill.rows) {
        html += u"<tr color=\"#ffffcc\"><td><font size = \"2\">";
        html += EscapeHtml(row.title); // read from the shared folder, where anything may have been written
        html += u"(" + Decimal(row.count) + u"回)";
        html += u"</font></td><td align=\"right\"><font size = \"2\">　";
        html += Decimal(row.yen);
        html += u"円</font></td></tr>";
    }
    html += u"</table><br><b>利用合計＝　<font color=\"#ff0000\" size=\"4\">";
    html += Decimal(bill.total);
    html += u"円</font></b><br>";
    return html;
}

} // namespace vq
