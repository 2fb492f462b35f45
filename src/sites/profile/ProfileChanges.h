#pragma once

#include "sites/profile/ProfileIndex.h"

#include <functional>
#include <string>

namespace vq {

// Every change a station makes to the profile folders goes through here: under the profile index's
// lock the folders' times are taken, the change is made, the times are taken again and the change is
// written to the index, so the index tells the changes in the order the folders saw them and shows
// where something else changed them in between.
//
// change makes the change and describes it (kind, and the profile or file name; the times and a saved
// page's stamp are filled in here). What change throws passes through, unrecorded: the folder times
// it moved tell every reader to read the folders again. The index is a cache, so it never stops a
// pupil: when it cannot be made, locked or written (a full disk, another station hung on its lock),
// the change is made all the same, unrecorded.
void MakeProfileChange(const std::string& dataRoot, ProfileIndexEvent::Kind kind,
                       const std::function<ProfileIndexEvent()>& change);

} // namespace vq
