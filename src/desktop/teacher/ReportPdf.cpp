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

    QTextDocument document;
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPointSizeF(10.5);
    document.setDefaultFont(font);
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("chart:bills")), billsChart);
    document.setHtml(QStringLiteral("<h1>%1</h1><p><img src=\"chart:bills\" width=\"640\"></p>%2%3")
                         .arg(heading.toHtmlEscaped(), BillsHtml(snapshot, options), DebriefHtml(snapshot, options, folder)));
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
