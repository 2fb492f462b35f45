#pragma once

#include <string>
#include <string_view>

namespace vq {

// 8-bit strings (std::string) hold code page 932 bytes; wide strings hold UTF-16. Every conversion
// between the two goes through these functions.

// CP932 -> UTF-16. Bytes that are no valid CP932 character become U+FFFD.
std::u16string ToWide(std::string_view cp932);
// UTF-16 -> CP932. Characters that CP932 cannot represent become "?".
std::string ToNarrow(std::u16string_view wide);

std::u16string Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::u16string_view wide);
std::string Cp932ToUtf8(std::string_view cp932);
std::string Utf8ToCp932(std::string_view utf8);

// True when byte b starts a double-byte character of CP932.
constexpr bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
// True when byte b can end a double-byte character. No markup character ("<", ">", "&", quotes) and no
// control character is one, so a lead byte followed by one of those is a lone lead byte: it decodes
// as U+FFFD on its own and never takes the next byte with it.
constexpr bool IsTrailByte(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

// Bytes of the character that starts at text[pos], by the rule every reader here uses: a lead byte
// and a trail byte make one character, anything else is one byte.
constexpr std::size_t Cp932CharWidth(std::string_view text, std::size_t pos) {
    return IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() &&
                   IsTrailByte(static_cast<unsigned char>(text[pos + 1]))
               ? 2
               : 1;
}

// True when the byte, not being a lead byte, is a character of its own; ToWide turns the others
// (0x80, 0xA0, 0xFD to 0xFF) into U+FFFD.
[[nodiscard]] bool IsSingleByteCharacter(unsigned char b);

// Byte offset of the first occurrence of needle in text, searching only at character boundaries so
// that a match never starts inside a double-byte character; npos when there is none. from must be a
// character boundary itself.
std::size_t FindCp932(std::string_view text, std::string_view needle, std::size_t from = 0);

// As FindCp932, with ASCII letters compared without regard to case (the rule markers are found by).
std::size_t FindCp932NoCase(std::string_view text, std::string_view needle, std::size_t from = 0);

// True when both are the same text, ASCII letters compared without regard to case.
bool SameNoCase(std::string_view a, std::string_view b);

// The page-name match rule: the first occurrence of name in address starts at byte position 2 or
// later (counted from 1). An address that begins with the name does not match.
bool MatchesPageName(std::string_view address, std::string_view name);

// True when name occurs anywhere in address (position 1 included).
bool OccursIn(std::string_view address, std::string_view name);

// Replaces every occurrence of marker (ASCII letters compared without regard to case) from left to
// right in the text as it was; inserted text is never searched again.
std::string ReplaceAllNoCase(std::string_view text, std::string_view marker, std::string_view replacement);
std::u16string ReplaceAllNoCase(std::u16string_view text, std::u16string_view marker,
                                std::u16string_view replacement);

// Plain replace-all, case-sensitive, same left-to-right semantics.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

} // namespace vq
