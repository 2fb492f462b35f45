#include "desktop/teacher/ReportPdf.h"

#include "desktop/teacher/ReportHtml.h"
#include "platform/PlatformError.h"
#include "teacher/ClassReport.h"

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

namespace vq {
namespace {

constexpr int kPageWidth = 680;

[[noreturn]] void CannotWrite(const QString& file) {
    throw PlatformError(QStringLiteral("ファイルに書き込めません: %1\n別の場所か別の名前を選んでください。").arg(file).toStdString());
}

void CheckWritable(const QString& file) {
    QFile probe(file);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Truncate)) CannotWrite(file);
}

} // namespace

void WriteReportPdf(const QString& file, const QString& heading, const ClassSnapshot& snapshot, const ViewOptions& options,
                    const ClassroomFolder& folder, const QImage& billsChart) {
    CheckWritable(file);
    QPdfWriter writer(file);
    writer.setTitle(heading);
    writer.setCreator(QStringLiteral("VelquinLAN"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                     QPageLayout::Millimeter));
    writer.setResolution(300);

    // The page is laid out on a fixed width in pixels and scaled onto the paper, so type and
    // chart keep their proportions whatever the screen's resolution (Xvfb's differs from a PC's).
    QTextDocument document;
    const QSizeF paper = writer.pageLayout().paintRect(QPageLayout::Millimeter).size();
    document.setPageSize(QSizeF(kPageWidth, kPageWidth * paper.height() / paper.width()));
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPixelSize(13);
    document.setDefaultFont(font);
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("chart:bills")), billsChart);
    // One pass of arg(): a "%1" a pupil typed must stay text.
    document.setHtml(QStringLiteral("<h1>%1</h1><p><img src=\"chart:bills\" width=\"%2\"></p>%3%4")
                         .arg(heading.toHtmlEscaped(), QString::number(kPageWidth - 20), BillsHtml(snapshot, options),
                              DebriefHtml(snapshot, options, folder)));
    document.print(&writer);
    if (QFileInfo(file).size() == 0) CannotWrite(file);
}

void WriteReportCsv(const QString& file, const ClassSnapshot& snapshot, const ViewOptions& options) {
    QFile out(file);
    const std::string csv = ReportCsv(snapshot, options.Debrief());
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(csv.data(), static_cast<qint64>(csv.size())) != static_cast<qint64>(csv.size()) || !out.flush())
        CannotWrite(file);
}

} // namespace vq
