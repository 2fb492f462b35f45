#pragma once

#include <QString>

namespace vq {

// A saved lesson's folder name as a teacher reads it: "2026-12-07_0905" is "2026年12月7日 9時05分",
// a second lesson of the same minute "2026-12-07_0905_2" gets "（2）" after it. Other names stay.
[[nodiscard]] QString LessonLabel(const QString& folderName);

} // namespace vq
