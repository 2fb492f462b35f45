#include "sites/Compatibility.h"

#include "sites/CharCodeSum.h"

namespace vq {
namespace {

std::u16string Marks(int count) { return std::u16string(static_cast<std::size_t>(count), u'◎'); }

std::u16string Row(std::u16string_view opening, int count) {
    std::u16string row(opening);
    row += u"<font color=\"#ff1111\">";
    row += Marks(count);
    row += u"</font></td></tr>";
    return row;
}

} // namespace

CompatibilityMarks CompatibilityOf(std::u16string_view joinedNames) {
    const std::int64_t m = CharCodeSum(joinedNames);
    const auto l = static_cast<std::int64_t>(joinedNames.size());
    return {static_cast<int>(m % 5) + 1, static_cast<int>((l + m) % 5) + 1, static_cast<int>((2 * l + m) % 5) + 1};
}

std::u16string CompatibilityRows(const CompatibilityMarks& marks) {
    return Row(u"<tr><td width=\"120\">出会いの可能性：</td><td>", marks.meeting) +
           Row(u"<tr><td>デート運　：</td><td>", marks.dating) + Row(u"<tr><td>二人の相性：</td><td>", marks.match);
}

} // namespace vq
