#include "teacher/Masking.h"

namespace vq {
namespace {

// The mask keeps the width of what it hides, so a masked list lines up as the real one did.
char16_t MaskFor(char16_t c) { return c < 0x80 ? u'*' : u'＊'; }

bool IsDigit(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'０' && c <= u'９'); }

std::u16string MaskAfter(std::u16string_view text, std::size_t keep) {
    std::u16string out(text);
    for (std::size_t i = keep; i < out.size(); ++i)
        if (out[i] != u' ' && out[i] != u'　') out[i] = MaskFor(out[i]);
    return out;
}

std::u16string MaskPhone(std::u16string_view number) {
    std::u16string out(number);
    int left = 4;
    for (std::size_t i = out.size(); i-- > 0 && left > 0;)
        if (IsDigit(out[i])) {
            out[i] = MaskFor(out[i]);
            --left;
        }
    return out;
}

std::u16string MaskMail(std::u16string_view address) {
    const std::size_t at = address.find(u'@');
    if (at == std::u16string_view::npos) return MaskAfter(address, 2);
    return MaskAfter(address.substr(0, at), 2) + std::u16string(address.substr(at));
}

// "05月03日" keeps its month.
std::u16string MaskBirthday(std::u16string_view date) {
    const std::size_t month = date.find(u'月');
    if (month == std::u16string_view::npos) return MaskAfter(date, 0);
    std::u16string out(date);
    for (std::size_t i = month + 1; i < out.size(); ++i)
        if (IsDigit(out[i])) out[i] = MaskFor(out[i]);
    return out;
}

std::u16string MaskPair(std::u16string_view pair) {
    const std::size_t mark = pair.find(u'、');
    if (mark == std::u16string_view::npos) return MaskAfter(pair, 1);
    return MaskAfter(pair.substr(0, mark), 1) + u"、" + MaskAfter(pair.substr(mark + 1), 1);
}

} // namespace

std::u16string MaskValue(Collected kind, std::u16string_view value) {
    switch (kind) {
    case Collected::PhoneNumber: return MaskPhone(value);
    case Collected::MailAddress: return MaskMail(value);
    case Collected::Birthday: return MaskBirthday(value);
    case Collected::Pair: return MaskPair(value);
    case Collected::Name: break;
    }
    return MaskAfter(value, 1);
}

} // namespace vq
