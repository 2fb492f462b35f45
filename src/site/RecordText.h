#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vq {

// The record separator of the shared data files.
inline constexpr std::u16string_view kFieldSeparator = u"#c#";

// Text typed by a pupil is stored inside one record of one line. A line break would start a new
// line that another station's reader takes for a record of its own, and a typed "#c#" would split
// the field, so both are stored encoded: "\" as "\\", a line break as "\n", "#c#" as "#\c#". A
// character stored as the byte of "\" (the yen sign) is encoded as "\\" too, and reads back as "\".
std::u16string EncodeRecordText(std::u16string_view typed);
// The text as the pupil typed it; line breaks come back as CR LF. Text without escapes is unchanged.
std::u16string DecodeRecordText(std::u16string_view stored);

// Splits a record at every "#c#".
std::vector<std::u16string> SplitRecord(std::u16string_view record);

} // namespace vq
