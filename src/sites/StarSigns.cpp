#include "sites/StarSigns.h"

#include "sites/HalfWidth.h"
#include "sites/TrimBlanks.h"

#include <array>

namespace vq {
namespace {

struct SignRange {
    int from;  // first date number of the sign
    int below; // first date number after it
    std::u16string_view sign;
};

constexpr std::array<SignRange, 11> kSigns{{
    {121, 219, u"みずがめ座"},
    {219, 321, u"うお座"},
    {321, 421, u"おひつじ座"},
    {421, 522, u"おうし座"},
    {522, 622, u"ふたご座"},
    {622, 723, u"かに座"},
    {723, 823, u"しし座"},
    {823, 924, u"おとめ座"},
    {924, 1024, u"てんびん座"},
    {1024, 1123, u"さそり座"},
    {1123, 1222, u"いて座"},
}};

// Capricorn spans the turn of the year, so it is whatever the table leaves.
constexpr std::u16string_view kYearTurnSign = u"やぎ座";

} // namespace

std::u16string BirthdayPart(std::u16string_view typed) {
    const std::u16string padded = u"00" + TrimBlanks(ToHalfWidth(typed));
    return padded.substr(padded.size() - 2);
}

int DateNumber(std::u16string_view month, std::u16string_view day) {
    const std::u16string text = std::u16string(month) + std::u16string(day);
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) ++i;
    if (i == text.size()) return 0;
    int value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9') return 0;
        value = value * 10 + (text[i] - u'0');
    }
    return negative ? -value : value;
}

std::u16string_view StarSignOf(int dateNumber) {
    for (const SignRange& range : kSigns)
        if (dateNumber >= range.from && dateNumber < range.below) return range.sign;
    return kYearTurnSign;
}

} // namespace vq
