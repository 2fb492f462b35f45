#include "sites/HalfWidth.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace vq {
namespace {

// Katakana and Japanese punctuation with their half-width forms, sorted by the full-width character.
constexpr std::array<std::pair<char16_t, std::u16string_view>, 89> kKana{{
    {u'、', u"､"}, {u'。', u"｡"}, {u'「', u"｢"}, {u'」', u"｣"}, {u'゛', u"ﾞ"}, {u'゜', u"ﾟ"},
    {u'ァ', u"ｧ"}, {u'ア', u"ｱ"}, {u'ィ', u"ｨ"}, {u'イ', u"ｲ"}, {u'ゥ', u"ｩ"}, {u'ウ', u"ｳ"},
    {u'ェ', u"ｪ"}, {u'エ', u"ｴ"}, {u'ォ', u"ｫ"}, {u'オ', u"ｵ"}, {u'カ', u"ｶ"}, {u'ガ', u"ｶﾞ"},
    {u'キ', u"ｷ"}, {u'ギ', u"ｷﾞ"}, {u'ク', u"ｸ"}, {u'グ', u"ｸﾞ"}, {u'ケ', u"ｹ"}, {u'ゲ', u"ｹﾞ"},
    {u'コ', u"ｺ"}, {u'ゴ', u"ｺﾞ"}, {u'サ', u"ｻ"}, {u'ザ', u"ｻﾞ"}, {u'シ', u"ｼ"}, {u'ジ', u"ｼﾞ"},
    {u'ス', u"ｽ"}, {u'ズ', u"ｽﾞ"}, {u'セ', u"ｾ"}, {u'ゼ', u"ｾﾞ"}, {u'ソ', u"ｿ"}, {u'ゾ', u"ｿﾞ"},
    {u'タ', u"ﾀ"}, {u'ダ', u"ﾀﾞ"}, {u'チ', u"ﾁ"}, {u'ヂ', u"ﾁﾞ"}, {u'ッ', u"ｯ"}, {u'ツ', u"ﾂ"},
    {u'ヅ', u"ﾂﾞ"}, {u'テ', u"ﾃ"}, {u'デ', u"ﾃﾞ"}, {u'ト', u"ﾄ"}, {u'ド', u"ﾄﾞ"}, {u'ナ', u"ﾅ"},
    {u'ニ', u"ﾆ"}, {u'ヌ', u"ﾇ"}, {u'ネ', u"ﾈ"}, {u'ノ', u"ﾉ"}, {u'ハ', u"ﾊ"}, {u'バ', u"ﾊﾞ"},
    {u'パ', u"ﾊﾟ"}, {u'ヒ', u"ﾋ"}, {u'ビ', u"ﾋﾞ"}, {u'ピ', u"ﾋﾟ"}, {u'フ', u"ﾌ"}, {u'ブ', u"ﾌﾞ"},
    {u'プ', u"ﾌﾟ"}, {u'ヘ', u"ﾍ"}, {u'ベ', u"ﾍﾞ"}, {u'ペ', u"ﾍﾟ"}, {u'ホ', u"ﾎ"}, {u'ボ', u"ﾎﾞ"},
    {u'ポ', u"ﾎﾟ"}, {u'マ', u"ﾏ"}, {u'ミ', u"ﾐ"}, {u'ム', u"ﾑ"}, {u'メ', u"ﾒ"}, {u'モ', u"ﾓ"},
    {u'ャ', u"ｬ"}, {u'ヤ', u"ﾔ"}, {u'ュ', u"ｭ"}, {u'ユ', u"ﾕ"}, {u'ョ', u"ｮ"}, {u'ヨ', u"ﾖ"},
    {u'ラ', u"ﾗ"}, {u'リ', u"ﾘ"}, {u'ル', u"ﾙ"}, {u'レ', u"ﾚ"}, {u'ロ', u"ﾛ"}, {u'ワ', u"ﾜ"},
    {u'ヲ', u"ｦ"}, {u'ン', u"ﾝ"}, {u'ヴ', u"ｳﾞ"}, {u'・', u"･"}, {u'ー', u"ｰ"},
}};

// Signs of code page 932 that stand for the full-width forms of ASCII characters outside U+FF01..U+FF5E.
std::optional<char16_t> AsciiSign(char16_t c) {
    switch (c) {
    case u'\u3000': return u' ';  // ideographic space
    case u'\uFFE5': return u'\\'; // full-width yen sign: byte 5C is the yen sign on a Japanese PC
    case u'\uFFE3': return u'~';  // full-width overline: byte 7E is the overline there
    case u'\u2019': return u'\'';
    case u'\u201D': return u'"';
    default: return std::nullopt;
    }
}

} // namespace

std::u16string ToHalfWidth(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        if (c >= u'\uFF01' && c <= u'\uFF5E') {
            out += static_cast<char16_t>(c - 0xFF01 + 0x21);
            continue;
        }
        if (const auto sign = AsciiSign(c)) {
            out += *sign;
            continue;
        }
        const auto kana = std::lower_bound(kKana.begin(), kKana.end(), c,
                                           [](const auto& entry, char16_t key) { return entry.first < key; });
        if (kana != kKana.end() && kana->first == c) out += kana->second;
        else out += c;
    }
    return out;
}

} // namespace vq
