#pragma once

#include "teacher/ClassWatcher.h"
#include "teacher/DebriefRows.h"

#include <QString>

namespace vq {

// How the console shows the class: on the projector the names may be hidden and the values masked.
struct ViewOptions {
    bool hideNames = false;
    bool maskValues = false;

    [[nodiscard]] DebriefOptions Debrief() const { return {hideNames, maskValues}; }
};

// A station as the views name it: its name, or with the names hidden "生徒" and its place in the list.
[[nodiscard]] QString StationLabel(const ClassSnapshot& snapshot, std::size_t index, const ViewOptions& options);

// A yen amount with thousands separators, e.g. "1,234円".
[[nodiscard]] QString Yen(std::int64_t yen);

// A time stamp as the views show it: today's with its time only ("9:02:45"), older ones whole.
[[nodiscard]] QString WhenText(const std::u16string& stamp);

} // namespace vq
