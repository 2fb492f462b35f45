#include "desktop/teacher/LessonLabel.h"

#include <QRegularExpression>

namespace vq {

QString LessonLabel(const QString& folderName) {
    static const QRegularExpression stamp(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})_(\\d{2})(\\d{2})(?:_(\\d+))?$"));
    const QRegularExpressionMatch m = stamp.match(folderName);
    if (!m.hasMatch()) return folderName;
    const auto number = [&](int group) { return QString::number(m.captured(group).toInt()); };
    QString label = QStringLiteral("%1年%2月%3日 %4時%5分").arg(m.captured(1), number(2), number(3), number(4), m.captured(5));
    if (m.hasCaptured(6)) label += QStringLiteral("（%1）").arg(m.captured(6));
    return label;
}

} // namespace vq
