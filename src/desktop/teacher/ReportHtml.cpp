#include "desktop/teacher/ReportHtml.h"

#include "desktop/teacher/QtText.h"
#include "mail/MailPaths.h"
#include "teacher/ClassTotals.h"

#include <QUrl>

namespace vq {
namespace {

QString Escaped(const std::u16string& text) { return FromWide(text).toHtmlEscaped().replace(QStringLiteral("\r\n"), QStringLiteral("<br>")); }

QString TotalsHtml(const ClassSnapshot& snapshot) {
    QString html = QStringLiteral("<h2>クラス全体では</h2><ul>");
    for (const std::u16string& sentence : ClassTotals(snapshot.debrief, snapshot.stations))
        html += QStringLiteral("<li>%1</li>").arg(Escaped(sentence));
    return html + QStringLiteral("</ul>");
}

QString RowsHtml(const ClassSnapshot& snapshot, const ViewOptions& options) {
    QString html;
    QString topic;
    bool open = false;
    for (const DebriefRow& row : DebriefRows(snapshot.debrief, options.Debrief())) {
        if (row.topic == PhotoTopic()) continue; // shown as the pictures themselves
        if (FromWide(row.topic) != topic) {
            if (open) html += QStringLiteral("</table>");
            topic = FromWide(row.topic);
            html += QStringLiteral("<h3>%1</h3><table cellspacing=\"0\" cellpadding=\"4\" border=\"1\" width=\"100%\">").arg(topic.toHtmlEscaped());
            open = true;
        }
        html += QStringLiteral("<tr>");
        if (!options.hideNames)
            html += QStringLiteral("<td width=\"18%\">%1</td>").arg(Escaped(row.station));
        html += QStringLiteral("<td><b>%1</b></td>").arg(Escaped(row.value));
        if (!options.hideNames) html += QStringLiteral("<td width=\"26%\">%1</td>").arg(Escaped(row.time));
        html += QStringLiteral("</tr>");
    }
    if (open) html += QStringLiteral("</table>");
    if (html.isEmpty()) html = QStringLiteral("<p>まだ何も集められていません。</p>");
    return QStringLiteral("<h2>にせのサイトが集めたもの</h2>") + html;
}

QString PhotosHtml(const ClassSnapshot& snapshot, const ViewOptions& options, const ClassroomFolder& folder) {
    if (snapshot.debrief.photos.empty()) return {};
    QString html = QStringLiteral("<h3>%1</h3><p>").arg(FromWide(PhotoTopic()).toHtmlEscaped());
    for (const PhotoRegistration& photo : snapshot.debrief.photos) {
        const std::string name = ToNarrow(photo.photo);
        if (!IsPlainFileName(name)) continue; // a sent log names the file; it must lie in mail_photo/
        const QString file = FromCp932(folder.DataPath("mail_photo/" + name));
        html += QStringLiteral("<img src=\"%1\" width=\"160\" height=\"120\"> ").arg(QUrl::fromLocalFile(file).toString().toHtmlEscaped());
        if (!options.hideNames) html += Escaped(ToWide(photo.station)) + QStringLiteral("　");
    }
    return html + QStringLiteral("</p>");
}

} // namespace

QString DebriefHtml(const ClassSnapshot& snapshot, const ViewOptions& options, const ClassroomFolder& folder) {
    return TotalsHtml(snapshot) + RowsHtml(snapshot, options) + PhotosHtml(snapshot, options, folder);
}

QString BillsHtml(const ClassSnapshot& snapshot, const ViewOptions& options) {
    QString html = QStringLiteral("<h2>料金</h2><table cellspacing=\"0\" cellpadding=\"4\" border=\"1\" width=\"100%\">"
                                  "<tr><th>端末</th><th>合計</th><th>内訳</th></tr>");
    for (std::size_t i = 0; i < snapshot.stations.size(); ++i) {
        const Bill& bill = snapshot.stations[i].bill;
        QStringList parts;
        for (const BillRow& row : bill.rows)
            if (!row.title.empty())
                parts << QStringLiteral("%1 %2回 %3").arg(Escaped(row.title), QString::number(row.count), Yen(row.yen));
        html += QStringLiteral("<tr><td>%1</td><td align=\"right\"><b>%2</b></td><td>%3</td></tr>")
                    .arg(StationLabel(snapshot, i, options).toHtmlEscaped(), Yen(bill.total), parts.join(QStringLiteral("、")));
    }
    return html + QStringLiteral("</table>");
}

} // namespace vq
