#include "sites/ShownText.h"

#include "platform/Text.h"

namespace vq {
namespace {

// The HTML form of a byte that needs one. None of these bytes can be the second byte of a CP932
// character (those start at 0x40), so testing single bytes is safe.
std::string_view EscapeOf(char c) {
    switch (c) {
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '"': return "&quot;";
    case '\'': return "&#39;";
    default: return {};
    }
}

bool IsPlainByte(char c) { return c != '\\' && EscapeOf(c).empty(); }

// The record escape that starts with the backslash at stored[i]: what it shows and how many bytes it uses.
std::size_t AppendEscape(std::string& page, std::string_view stored, std::size_t i) {
    if (i + 1 == stored.size()) {
        page += '\\';
        return 1;
    }
    const char next = stored[i + 1];
    if (next == 'n') {
        page += "<br>";
        return 2;
    }
    if (next == '\\' || next == 'c') {
        page += next;
        return 2;
    }
    // Not an escape: the backslash stands for itself and the next character is read as usual.
    page += '\\';
    return 1;
}

} // namespace

void AppendShownText(std::string& page, std::string_view stored) {
    std::size_t i = 0;
    while (i < stored.size()) {
        // Copy the longest run that needs no work in one go.
        std::size_t run = i;
        while (run < stored.size()) {
            if (IsLeadByte(static_cast<unsigned char>(stored[run])) && run + 1 < stored.size()) run += 2;
            else if (IsPlainByte(stored[run])) ++run;
            else break;
        }
        page.append(stored, i, run - i);
        i = run;
        if (i == stored.size()) break;
        const char c = stored[i];
        if (c == '\\') {
            i += AppendEscape(page, stored, i);
        } else {
            page += EscapeOf(c);
            ++i;
        }
    }
}

} // namespace vq
