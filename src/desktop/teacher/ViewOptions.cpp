#include "desktop/teacher/ViewOptions.h"

#include "desktop/teacher/QtText.h"

#include <QDate>
#include <QLocale>

namespace vq {

QString StationLabel(const ClassSnapshot& snapshot, std::size_t index, const ViewOptions& options) {
    if (options.hideNames) return QStringLiteral("生徒%1").arg(index + 1);
    return FromCp932(snapshot.stations.at(index).station);
}

QString WhenText(const std::u16string& stamp) {
    const QString text = FromWide(stamp);
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd"));
    return text.startsWith(today + QLatin1Char(' ')) ? text.mid(today.size() + 1) : text;
}

QString Yen(std::int64_t yen) { return QLocale(QLocale::Japanese, QLocale::Japan).toString(static_cast<qlonglong>(yen)) + QStringLiteral("円"); }

} // namespace vq
