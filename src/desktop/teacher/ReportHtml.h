#pragma once

#include "desktop/teacher/ViewOptions.h"
#include "teacher/ClassroomFolder.h"

#include <QString>

namespace vq {

// The debrief and the bills as HTML, for the debrief view and the printed record. Every text a pupil
// typed is escaped: it is shown as typed, never as markup.

// The class totals in sentences, then what the sites collected topic by topic, with the photos sent
// to the registration address as pictures (from the folder's mail_photo/).
[[nodiscard]] QString DebriefHtml(const ClassSnapshot& snapshot, const ViewOptions& options, const ClassroomFolder& folder);

// Every station's bill: its total and each kind of use with count and yen.
[[nodiscard]] QString BillsHtml(const ClassSnapshot& snapshot, const ViewOptions& options);

} // namespace vq
