#pragma once

#include <string>

namespace vq {

// What the fortune site, the board, the timeline and the lessons keep between events.
struct SitesState {
    int BoardShown = 0;            // the board was shown since the pupil last went home
    int ChatShown = 0;             // the timeline or a lesson was shown since the pupil last went home
    std::u16string FortuneSubject; // what the last fortune was about
};

} // namespace vq
