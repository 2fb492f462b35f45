#include "sites/ShownText.h"

#include "platform/Text.h"

#include <array>

namespace vq {
namespace {

// What a byte asks of the copy loop. A lead byte takes its trail byte along, so a "\" that ends a
// double-byte character (as in "ソ" or "表") is never read as the start of an escape. The markup bytes
// are below 0x40 and can never be a trail byte, so a lead byte that no trail byte follows, however it
// got into the file, is shown as "?" on its own and never takes a "<" with it; so is a byte that is
// no character. That is what decoding the text first would show, at no cost per byte.
enum class ByteKind : unsigned char { Plain, Lead, Backslash, Markup, NoCharacter };

std::array<ByteKind, 256> Kinds() {
    std::array<ByteKind, 256> kinds{};
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        if (IsLeadByte(byte)) kinds[byte] = ByteKind::Lead;
        else if (!IsSingleByteCharacter(byte)) kinds[byte] = ByteKind::NoCharacter;
    }
    kinds['\\'] = ByteKind::Backslash;
    for (unsigned char c : {'&', '<', '>', '"', '\''}) kinds[c] = ByteKind::Markup;
    return kinds;
}

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

// The run from i on that can be copied as it is: plain bytes and whole double-byte characters.
std::size_t PlainRunEnd(std::string_view stored, std::size_t i, const std::array<ByteKind, 256>& kinds) {
    while (i < stored.size()) {
        const ByteKind kind = kinds[static_cast<unsigned char>(stored[i])];
        if (kind == ByteKind::Plain) ++i;
        else if (kind == ByteKind::Lead && i + 1 < stored.size() && IsTrailByte(static_cast<unsigned char>(stored[i + 1])))
            i += 2;
        else break;
    }
    return i;
}

} // namespace

void AppendShownText(std::string& page, std::string_view stored) {
    static const std::array<ByteKind, 256> kinds = Kinds();
    std::size_t i = 0;
    while (i < stored.size()) {
        const std::size_t run = PlainRunEnd(stored, i, kinds);
        page.append(stored, i, run - i);
        i = run;
        if (i == stored.size()) break;
        switch (kinds[static_cast<unsigned char>(stored[i])]) {
        case ByteKind::Backslash: i += AppendEscape(page, stored, i); break;
        case ByteKind::Markup: page += EscapeOf(stored[i++]); break;
        default: // a lone lead byte, a byte that is no character
            page += '?';
            ++i;
        }
    }
}

} // namespace vq
