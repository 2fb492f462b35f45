#include "platform/Text.h"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace vq {
namespace {

constexpr char16_t kReplacement = u'\uFFFD';
constexpr std::uint16_t kUnmapped = 0xFFFF;

// Conversion tables filled once from the C library's iconv, which is the authority on CP932; the
// per-character iconv calls are far too slow for pages with a hundred thousand posts.
class Cp932Tables {
public:
    Cp932Tables() {
        singleByte_.fill(kReplacement);
        doubleByte_.assign(0x10000, kReplacement);
        toCp932_.assign(0x10000, kUnmapped);
        Fill();
    }

    char16_t Single(unsigned char b) const { return singleByte_[b]; }
    char16_t Double(unsigned char lead, unsigned char trail) const { return doubleByte_[(lead << 8) | trail]; }
    std::uint16_t Reverse(char16_t c) const { return toCp932_[c]; }

private:
    void Fill() {
        iconv_t decode = iconv_open("UTF-16LE", "CP932");
        iconv_t encode = iconv_open("CP932", "UTF-16LE");
        if (decode == reinterpret_cast<iconv_t>(-1) || encode == reinterpret_cast<iconv_t>(-1)) {
            FillAsciiOnly();
            return;
        }
        std::vector<std::vector<std::uint16_t>> sources(0x10000);
        for (int b = 0; b < 0x100; ++b) {
            if (IsLeadByte(static_cast<unsigned char>(b))) continue;
            char in[1] = {static_cast<char>(b)};
            char16_t out;
            if (Decode(decode, in, 1, out)) {
                singleByte_[b] = out;
                sources[out].push_back(static_cast<std::uint16_t>(b));
            }
        }
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                if (trail == 0x7F) continue;
                char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                char16_t out;
                if (Decode(decode, in, 2, out)) {
                    const auto code = static_cast<std::uint16_t>((lead << 8) | trail);
                    doubleByte_[code] = out;
                    sources[out].push_back(code);
                }
            }
        }
        for (std::size_t c = 0; c < sources.size(); ++c) {
            if (!sources[c].empty()) {
                toCp932_[c] = sources[c].size() == 1 ? sources[c].front() : Encode(encode, static_cast<char16_t>(c));
            } else if (c >= 0x80 && c < 0x3100) {
                // Characters that no CP932 code decodes to but that iconv writes as a CP932 one: the wave
                // dash, minus sign, em dash and others typed by Japanese input on other systems would
                // otherwise become "?" in a pupil's text, and a password holding one could never be typed
                // again. They are all symbols below the ideographs; asking iconv about the tens of
                // thousands of ideographs and syllables CP932 lacks would double the start-up cost of
                // these tables for nothing.
                toCp932_[c] = Encode(encode, static_cast<char16_t>(c));
            }
        }
        iconv_close(decode);
        iconv_close(encode);
    }

    void FillAsciiOnly() {
        for (int b = 0; b < 0x80; ++b) {
            singleByte_[b] = static_cast<char16_t>(b);
            toCp932_[b] = static_cast<std::uint16_t>(b);
        }
    }

    static bool Decode(iconv_t cd, char* in, std::size_t inLen, char16_t& out) {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        unsigned char buf[8];
        char* outPtr = reinterpret_cast<char*>(buf);
        std::size_t outLeft = sizeof buf;
        std::size_t inLeft = inLen;
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0) return false;
        if (sizeof buf - outLeft != 2) return false;
        out = static_cast<char16_t>(buf[0] | (buf[1] << 8));
        return true;
    }

    static std::uint16_t Encode(iconv_t cd, char16_t c) {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        unsigned char in[2] = {static_cast<unsigned char>(c & 0xFF), static_cast<unsigned char>(c >> 8)};
        char* inPtr = reinterpret_cast<char*>(in);
        std::size_t inLeft = 2;
        unsigned char buf[4];
        char* outPtr = reinterpret_cast<char*>(buf);
        std::size_t outLeft = sizeof buf;
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return kUnmapped;
        const std::size_t n = sizeof buf - outLeft;
        if (n == 1) return buf[0];
        if (n == 2) return static_cast<std::uint16_t>((buf[0] << 8) | buf[1]);
        return kUnmapped;
    }

    std::array<char16_t, 0x100> singleByte_{};
    std::vector<char16_t> doubleByte_;
    std::vector<std::uint16_t> toCp932_;
};

const Cp932Tables& Tables() {
    static const Cp932Tables tables;
    return tables;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char ToLowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char16_t ToLowerAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c; }

template <typename Char>
bool EqualsNoCaseAt(std::basic_string_view<Char> text, std::size_t pos, std::basic_string_view<Char> marker) {
    if (pos + marker.size() > text.size()) return false;
    for (std::size_t i = 0; i < marker.size(); ++i)
        if (ToLowerAscii(text[pos + i]) != ToLowerAscii(marker[i])) return false;
    return true;
}

// Width in bytes of the character that starts at pos (1 for UTF-16 code units).
std::size_t CharWidth(std::string_view text, std::size_t pos) { return Cp932CharWidth(text, pos); }
std::size_t CharWidth(std::u16string_view, std::size_t) { return 1; }

template <typename Char>
std::basic_string<Char> ReplaceNoCase(std::basic_string_view<Char> text, std::basic_string_view<Char> marker,
                                      std::basic_string_view<Char> replacement) {
    std::basic_string<Char> out;
    if (marker.empty()) return std::basic_string<Char>(text);
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (EqualsNoCaseAt(text, pos, marker)) {
            out += replacement;
            pos += marker.size();
        } else {
            const std::size_t width = CharWidth(text, pos);
            out.append(text.substr(pos, width));
            pos += width;
        }
    }
    return out;
}

} // namespace

bool IsSingleByteCharacter(unsigned char b) { return !IsLeadByte(b) && Tables().Single(b) != kReplacement; }

std::u16string ToWide(std::string_view cp932) {
    const Cp932Tables& t = Tables();
    std::u16string out;
    out.reserve(cp932.size());
    for (std::size_t i = 0; i < cp932.size(); ++i) {
        const auto b = static_cast<unsigned char>(cp932[i]);
        if (b < 0x80) {
            out += static_cast<char16_t>(b);
        } else if (IsLeadByte(b) && i + 1 < cp932.size() && IsTrailByte(static_cast<unsigned char>(cp932[i + 1]))) {
            out += t.Double(b, static_cast<unsigned char>(cp932[i + 1]));
            ++i;
        } else {
            out += t.Single(b); // a lone lead byte among them: U+FFFD
        }
    }
    return out;
}

std::string ToNarrow(std::u16string_view wide) {
    const Cp932Tables& t = Tables();
    std::string out;
    out.reserve(wide.size() * 2);
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const char16_t c = wide[i];
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF) {
            ++i; // a character outside the BMP: never in CP932
            out += '?';
            continue;
        }
        const std::uint16_t code = t.Reverse(c);
        if (code == kUnmapped) {
            out += '?';
        } else if (code > 0xFF) {
            out += static_cast<char>(code >> 8);
            out += static_cast<char>(code & 0xFF);
        } else {
            out += static_cast<char>(code);
        }
    }
    return out;
}

std::u16string Utf8ToWide(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        char32_t c;
        std::size_t len;
        if (b < 0x80) { c = b; len = 1; }
        else if ((b & 0xE0) == 0xC0) { c = b & 0x1F; len = 2; }
        else if ((b & 0xF0) == 0xE0) { c = b & 0x0F; len = 3; }
        else if ((b & 0xF8) == 0xF0) { c = b & 0x07; len = 4; }
        else { out += kReplacement; ++i; continue; }
        if (i + len > utf8.size()) { out += kReplacement; break; }
        bool valid = true;
        for (std::size_t k = 1; k < len; ++k) {
            const auto cont = static_cast<unsigned char>(utf8[i + k]);
            if ((cont & 0xC0) != 0x80) { valid = false; break; }
            c = (c << 6) | (cont & 0x3F);
        }
        if (!valid) { out += kReplacement; ++i; continue; }
        i += len;
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

std::string WideToUtf8(std::u16string_view wide) {
    std::string out;
    out.reserve(wide.size() * 3);
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t c = wide[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
            ++i;
        }
        AppendUtf8(out, c);
    }
    return out;
}

std::string Cp932ToUtf8(std::string_view cp932) { return WideToUtf8(ToWide(cp932)); }
std::string Utf8ToCp932(std::string_view utf8) { return ToNarrow(Utf8ToWide(utf8)); }

std::size_t FindCp932(std::string_view text, std::string_view needle, std::size_t from) {
    if (needle.empty()) return from <= text.size() ? from : std::string_view::npos;
    const char first = needle.front();
    std::size_t pos = from;
    while (pos + needle.size() <= text.size()) {
        if (text[pos] == first && text.compare(pos, needle.size(), needle) == 0) return pos;
        pos += CharWidth(text, pos);
    }
    return std::string_view::npos;
}

std::size_t FindCp932NoCase(std::string_view text, std::string_view needle, std::size_t from) {
    if (needle.empty()) return from <= text.size() ? from : std::string_view::npos;
    for (std::size_t pos = from; pos + needle.size() <= text.size(); pos += CharWidth(text, pos))
        if (EqualsNoCaseAt(text, pos, needle)) return pos;
    return std::string_view::npos;
}

bool SameNoCase(std::string_view a, std::string_view b) { return a.size() == b.size() && FindCp932NoCase(a, b) == 0; }

bool MatchesPageName(std::string_view address, std::string_view name) {
    const std::size_t pos = FindCp932(address, name);
    return pos != std::string_view::npos && pos >= 1;
}

bool OccursIn(std::string_view address, std::string_view name) {
    return FindCp932(address, name) != std::string_view::npos;
}

std::string ReplaceAllNoCase(std::string_view text, std::string_view marker, std::string_view replacement) {
    return ReplaceNoCase<char>(text, marker, replacement);
}

std::u16string ReplaceAllNoCase(std::u16string_view text, std::u16string_view marker,
                                std::u16string_view replacement) {
    return ReplaceNoCase<char16_t>(text, marker, replacement);
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    if (from.empty()) return std::string(text);
    std::size_t pos = 0;
    for (;;) {
        const std::size_t hit = FindCp932(text, from, pos);
        if (hit == std::string_view::npos) break;
        out.append(text.substr(pos, hit - pos));
        out.append(to);
        pos = hit + from.size();
    }
    out.append(text.substr(pos));
    return out;
}

} // namespace vq
