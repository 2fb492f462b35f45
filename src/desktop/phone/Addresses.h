#pragma once

#include <QString>
#include <QUrl>

#include <string>
#include <string_view>

namespace vq {

// The core names a local file by its path, byte for byte as the file system names it, and anything
// else by its URL; the engine names everything by URL. These turn one into the other.
QUrl UrlFromAddress(const std::string& address);
std::string AddressFromUrl(const QUrl& url);

// True when both name the same document (the fragment and the spelling of the URL aside).
bool SameDocument(const QUrl& a, const QUrl& b);

QString ToQString(std::u16string_view text);
std::u16string ToU16(const QString& text);

} // namespace vq
