#pragma once

#include "teacher/Debrief.h"

#include <string>
#include <vector>

namespace vq {

// How the debrief is shown: at the front of the room the station names may be hidden and the
// collected values masked.
struct DebriefOptions {
    bool hideStations = false;
    bool maskValues = false;
};

// One line of the debrief's detail: what was collected, from whom, when.
struct DebriefRow {
    std::u16string topic;   // "電話番号", "アダルトサイト", ...
    std::u16string station; // empty when the names are hidden
    std::u16string value;   // what was typed or done
    std::u16string time;
};

// The detail of the debrief, topic by topic in the order of the class totals. With the names hidden
// the rows of a topic are sorted by value, so their order gives no station away either.
[[nodiscard]] std::vector<DebriefRow> DebriefRows(const Debrief& debrief, const DebriefOptions& options);

// The topic of the rows of a kind of collected value, and of the risk pages.
[[nodiscard]] std::u16string AdultSiteTopic();
[[nodiscard]] std::u16string DatingSiteTopic();
[[nodiscard]] std::u16string FreeSignUpTopic();
[[nodiscard]] std::u16string PhotoTopic();

} // namespace vq
