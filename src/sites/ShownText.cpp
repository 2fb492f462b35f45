#include "sites/ShownText.h"

#include "platform/Text.h"

#include <array>

namespace vq {
namespace {

// What a byte asks of the copy loop. A lead byte takes its second byte along, so a "\" that ends a
// double-byte character (as in "ソ" or "表") is never read as the start of an escape; the markup
// bytes are below 0x40 and can never be a second byte.
enum class ByteKind : unsigned char { Plain, Lead, Backslash, Markup };

constexpr std::array<ByteKind, 256> Kinds() {
    std::array<ByteKind, 256> kinds{};
    for (int b = 0; b < 256; ++b)
        if (IsLeadByte(static_cast<unsigned char>(b))) kinds[static_cast<std::size_t>(b)] = ByteKind::Lead;
    kinds['\\'] = ByteKind::Backslash;
    for (unsigned char c : {'&', '<', '>', '"', '\''}) kinds[c] = ByteKind::Markup;
    return kinds;
}

constexpr std::array<ByteKind, 256> kKinds = Kinds();

ByteKind KindOf(char c) { return kKinds[static_cast<unsigned char>(c)]; }

std::string_view EscapeOf(char c) {
    switch (c) {
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '"': return "&quot;";
    default: return "&#39;";
    }
}

// The record escape that starts with the backslash at stored[i]: what it shows and how many bytes it uses.
std::size_t AppendEscape(std::string& page, std::string_view stored, std::size_t i) {
    const char next = i + 1 < stored.size() ? stored[i + 1] : '\0';
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
        for (;;) {
            if (run == stored.size()) break;
            const ByteKind kind = KindOf(stored[run]);
            if (kind == ByteKind::Plain) ++run;
            else if (kind == ByteKind::Lead && run + 1 < stored.size()) run += 2;
            else if (kind == ByteKind::Lead) ++run;
            else break;
        }
        page.append(stored, i, run - i);
        i = run;
        if (i == stored.size()) break;
        if (KindOf(stored[i]) == ByteKind::Backslash) {
            i += AppendEscape(page, stored, i);
        } else {
            page += EscapeOf(stored[i]);
            ++i;
        }
    }
}

} // namespace vq
