#include "desktop/phone/Addresses.h"

#include "platform/Text.h"

#include <QFileInfo>

#include <cctype>

namespace vq {
namespace {

bool HasScheme(const std::string& address) {
    const auto colon = address.find(':');
    if (colon == std::string::npos || colon < 2) return false;
    for (std::size_t i = 0; i < colon; ++i) {
        const unsigned char c = static_cast<unsigned char>(address[i]);
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') return false;
    }
    return true;
}

} // namespace

QUrl UrlFromAddress(const std::string& address) {
    if (HasScheme(address)) return QUrl(ToQString(ToWide(address)), QUrl::TolerantMode);
    // A local path; a query that a form wrote after it stays a query.
    const auto question = address.find('?');
    const std::string path = address.substr(0, question);
    QUrl url = QUrl::fromLocalFile(QFileInfo(ToQString(ToWide(path))).absoluteFilePath());
    if (question != std::string::npos)
        url.setQuery(QString::fromLatin1(QByteArray::fromStdString(address.substr(question + 1))), QUrl::TolerantMode);
    return url;
}

std::string AddressFromUrl(const QUrl& url) {
    if (!url.isLocalFile()) return url.toString(QUrl::FullyEncoded).toStdString();
    // Local paths are CP932 text in the core, as every 8-bit string there.
    std::string address = ToNarrow(ToU16(url.toLocalFile()));
    if (url.hasQuery()) address += "?" + url.query(QUrl::FullyEncoded).toStdString();
    return address;
}

bool SameDocument(const QUrl& a, const QUrl& b) {
    return a.matches(b, QUrl::RemoveFragment | QUrl::NormalizePathSegments);
}

QString ToQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

std::u16string ToU16(const QString& text) { return text.toStdU16String(); }

} // namespace vq
