#pragma once

#include "desktop/teacher/ViewOptions.h"
#include "teacher/ClassroomFolder.h"

#include <QImage>
#include <QString>

namespace vq {

// The printed record of a lesson: a heading, the chart of the bills, the bills and the debrief, on
// A4 pages. Throws PlatformError when the file cannot be written.
void WriteReportPdf(const QString& file, const QString& heading, const ClassSnapshot& snapshot, const ViewOptions& options,
                    const ClassroomFolder& folder, const QImage& billsChart);

// The same content as CSV for a spreadsheet. Throws PlatformError when the file cannot be written.
void WriteReportCsv(const QString& file, const ClassSnapshot& snapshot, const ViewOptions& options);

} // namespace vq
