#pragma once

#include <string>
#include <string_view>

namespace vq {

// A birthday field as the star-sign fortune reads it: half-width, without blanks at either end, and
// as its last two characters after "00" in front ("3" -> "03", "" -> "00", "123" -> "23").
std::u16string BirthdayPart(std::u16string_view typed);

// The date number month * 100 + day of the two birthday parts, read as one decimal number; 0 when
// the four characters are no number.
int DateNumber(std::u16string_view month, std::u16string_view day);

// The star sign of a date number. Any number has one: out-of-range numbers give "やぎ座".
std::u16string_view StarSignOf(int dateNumber);

} // namespace vq
