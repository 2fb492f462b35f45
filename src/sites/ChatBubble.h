#pragma once

#include <string>
#include <string_view>

namespace vq {

// The speech bubbles of the timeline and the lessons, as CP932 HTML. The heading is "No", then the
// post's number and an ideographic space when it has a number, then the name; name and text are HTML.

// The station's own post: green, on the right.
void AppendOwnBubble(std::string& page, std::string_view number, std::string_view name, std::string_view text);
// Another station's post: white, on the left.
void AppendOthersBubble(std::string& page, std::string_view number, std::string_view name, std::string_view text);

} // namespace vq
