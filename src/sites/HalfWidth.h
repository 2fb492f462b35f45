#pragma once

#include <string>
#include <string_view>

namespace vq {

// Full-width characters in their half-width forms, as a Japanese PC maps them: full-width ASCII
// letters, digits and signs, the ideographic space, the full-width yen sign, overline and quotes of
// code page 932, and katakana with their punctuation (a voiced katakana becomes two characters, e.g.
// "ガ" -> "ｶﾞ"). Every other character, hiragana and kanji included, stays as it is.
std::u16string ToHalfWidth(std::u16string_view text);

} // namespace vq
