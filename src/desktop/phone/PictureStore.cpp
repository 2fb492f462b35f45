#include "desktop/phone/PictureStore.h"

#include "platform/Text.h"
#include "desktop/phone/Addresses.h"

#include <QBitmap>
#include <QDateTime>
#include <QFileInfo>

namespace vq {
namespace {

QImage WithSeeThroughColour(const QImage& picture) {
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull()) return image;
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == key) line[x] = qRgba(0, 0, 0, 0);
    }
    return image;
}

} // namespace

QString BuiltInPicture(const QString& name) { return QStringLiteral(":/pictures/") + name; }

const PictureStore::Entry& PictureStore::Load(const std::string& path, const QString& builtIn) {
    QString file = path.empty() ? BuiltInPicture(builtIn) : ToQString(ToWide(path));
    // A file rewritten under the same name (a new snapshot) is a new picture.
    const QFileInfo info(file);
    const QString key = file + QLatin1Char('|') + QString::number(info.lastModified().toMSecsSinceEpoch()) +
                        QLatin1Char('|') + QString::number(info.size());
    if (const auto found = entries_.constFind(key); found != entries_.constEnd()) return *found;

    QImage image(file);
    if (image.isNull() && !path.empty()) {
        reportFailure_("画像を表示できません: " + file.toStdString());
        image = QImage(BuiltInPicture(builtIn));
    }
    Entry entry;
    entry.plainPixmap = QPixmap::fromImage(image);
    const QImage seeThrough = WithSeeThroughColour(image);
    entry.seeThrough = QPixmap::fromImage(seeThrough);
    if (!seeThrough.isNull()) entry.opaque = QRegion(QBitmap::fromImage(seeThrough.createAlphaMask()));
    return *entries_.insert(key, entry);
}

QPixmap PictureStore::Plain(const std::string& path, const QString& builtIn) { return Load(path, builtIn).plainPixmap; }

QPixmap PictureStore::SeeThrough(const std::string& path, const QString& builtIn) {
    return Load(path, builtIn).seeThrough;
}

QRegion PictureStore::Opaque(const std::string& path, const QString& builtIn) { return Load(path, builtIn).opaque; }

} // namespace vq
