#pragma once

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QString>

#include <functional>
#include <string>

namespace vq {

// The pictures the window shows, each read once per version of its file: a file of the data folder
// named by a model, or one of the program's own pictures when the model names none.
class PictureStore {
public:
    // Told (once per file version) when a picture file cannot be shown; the program's own picture
    // stands in for it.
    explicit PictureStore(std::function<void(const std::string& utf8Message)> reportFailure)
        : reportFailure_(std::move(reportFailure)) {}

    // The picture as it is.
    QPixmap Plain(const std::string& path, const QString& builtIn);
    // The picture with the colour of its lower-left pixel see-through, as body pictures and glyphs
    // are drawn.
    QPixmap SeeThrough(const std::string& path, const QString& builtIn);
    // The pixels of SeeThrough that are not see-through.
    QRegion Opaque(const std::string& path, const QString& builtIn);

private:
    struct Entry {
        QPixmap plainPixmap;
        QPixmap seeThrough;
        QRegion opaque;
    };
    const Entry& Load(const std::string& path, const QString& builtIn);

    std::function<void(const std::string&)> reportFailure_;
    QHash<QString, Entry> entries_;
};

// The name of a built-in picture inside the program.
QString BuiltInPicture(const QString& name);

} // namespace vq
