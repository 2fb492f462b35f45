#pragma once

#include <string>
#include <string_view>

namespace vq {

// The speech bubbles of the timeline and the lessons, as CP932 HTML. header is what follows "No" in
// the bubble's heading; both header and text are HTML already.

// The station's own post: green, on the right.
void AppendOwnBubble(std::string& page, std::string_view header, std::string_view text);
// Another station's post: white, on the left.
void AppendOthersBubble(std::string& page, std::string_view header, std::string_view text);

} // namespace vq
