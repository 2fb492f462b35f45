#pragma once

#include "teacher/Debrief.h"

#include <string>

namespace vq {

// A collected value with its identifying part hidden, for the projector: the last four digits of a
// phone number (「0901234****」), all but the first two characters before the "@" of a mail
// address, all but the first character of a name, the day of a birthday.
[[nodiscard]] std::u16string MaskValue(Collected kind, std::u16string_view value);

} // namespace vq
