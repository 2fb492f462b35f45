#include "sites/PostingForm.h"

#include "platform/PlatformError.h"
#include "shell/Phone.h"

namespace vq {

std::optional<std::vector<std::u16string>> ReadPostingForm(Phone& phone, int fieldCount) {
    std::vector<std::u16string> fields;
    try {
        fields.push_back(phone.browser.ReadFormField(0));
    } catch (const PlatformError&) {
        return std::nullopt;
    }
    for (int k = 1; k < fieldCount; ++k) fields.push_back(phone.browser.ReadFormField(k));
    return fields;
}

} // namespace vq
