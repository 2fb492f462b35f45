#include "site/RecordText.h"

#include "platform/Text.h"

namespace vq {
namespace {

// What counts is the byte a character is stored as: the yen sign becomes 0x5C, the byte of "\", and
// unescaped it would read back as the start of an escape ("¥n" as a line break).
bool StoredAsBackslash(char16_t c) {
    return c == u'\\' || (c >= 0x80 && ToNarrow(std::u16string_view(&c, 1)) == "\\");
}

} // namespace

std::u16string EncodeRecordText(std::u16string_view typed) {
    std::u16string out;
    out.reserve(typed.size());
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const char16_t c = typed[i];
        if (StoredAsBackslash(c)) {
            out += u"\\\\";
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < typed.size() && typed[i + 1] == u'\n') ++i;
            out += u"\\n";
        } else if (c == u'#' && typed.substr(i, 3) == kFieldSeparator) {
            out += u"#\\c";
            i += 1; // the closing "#" is copied by the next turn
        } else {
            out += c;
        }
    }
    return out;
}

std::u16string DecodeRecordText(std::u16string_view stored) {
    std::u16string out;
    out.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const char16_t c = stored[i];
        if (c != u'\\' || i + 1 == stored.size()) {
            out += c;
            continue;
        }
        const char16_t next = stored[++i];
        if (next == u'n') out += u"\r\n";
        else if (next == u'\\' || next == u'c') out += next;
        else { out += c; out += next; }
    }
    return out;
}

std::vector<std::u16string> SplitRecord(std::u16string_view record) {
    std::vector<std::u16string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t hit = record.find(kFieldSeparator, start);
        if (hit == std::u16string_view::npos) break;
        fields.emplace_back(record.substr(start, hit - start));
        start = hit + kFieldSeparator.size();
    }
    fields.emplace_back(record.substr(start));
    return fields;
}

} // namespace vq
