#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vq {
class Phone;

// The first fieldCount elements of the form on the page being left, or nullopt when that page has
// no form at all.
//
// BoardShown and ChatShown say "the next visit is a post", and they outlive ordinary link
// navigation: a pupil can go from a lesson to the lesson list and on to the next lesson. The page
// left then has no form; taking that for a failed post would show an error and hold the generation
// guard until the pupil goes home, so such a visit is a plain visit. A form that lacks one of the
// later elements is a broken posting page and still fails with an error.
std::optional<std::vector<std::u16string>> ReadPostingForm(Phone& phone, int fieldCount);

} // namespace vq
