#pragma once

#include <optional>
#include <string_view>
#include <vector>
#include <string>

namespace vq {

// The element values of the first form of an HTML page (CP932), in document order: input, textarea,
// select and button, as a browser's form.elements[k].value gives them. nullopt when the page has no form.
std::optional<std::vector<std::u16string>> ParseFirstForm(std::string_view cp932Html);

} // namespace vq
