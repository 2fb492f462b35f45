#include "site/HtmlText.h"

namespace vq {

std::u16string EscapeHtml(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        switch (c) {
        case u'&': out += u"&amp;"; break;
        case u'<': out += u"&lt;"; break;
        case u'>': out += u"&gt;"; break;
        case u'"': out += u"&quot;"; break;
        case u'\'': out += u"&#39;"; break;
        default: out += c;
        }
    }
    return out;
}

std::u16string EscapeHtmlLines(std::u16string_view text) {
    const std::u16string escaped = EscapeHtml(text);
    std::u16string out;
    out.reserve(escaped.size());
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        const char16_t c = escaped[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < escaped.size() && escaped[i + 1] == u'\n') ++i;
            out += u"<br>";
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace vq
