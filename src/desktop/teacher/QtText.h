#pragma once

#include "platform/Text.h"

#include <QString>

#include <string>

namespace vq {

// The core's texts as Qt shows them: 8-bit strings are CP932, wide strings UTF-16.
inline QString FromCp932(const std::string& cp932) { return QString::fromStdString(Cp932ToUtf8(cp932)); }
inline QString FromWide(const std::u16string& wide) { return QString::fromStdU16String(wide); }
inline std::string ToCp932(const QString& text) { return Utf8ToCp932(text.toStdString()); }

} // namespace vq
