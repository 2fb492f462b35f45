#pragma once

#include <string>
#include <string_view>

namespace vq {

// A stored post field as a page shows it: the record escapes undone, the text HTML-escaped and its
// line breaks turned into "<br>". Works on the CP932 bytes directly, because a board page may show
// a hundred thousand posts and a round trip through UTF-16 for each of them would dominate its cost.
// Shows the same text as EscapeHtmlLines(DecodeRecordText(...)) on the decoded text: what is no
// character (a lone lead byte, a byte of none) shows as one "?" and never takes the next byte along.
void AppendShownText(std::string& page, std::string_view storedCp932);

} // namespace vq
