#pragma once

#include <string>
#include <string_view>

namespace vq {

// Text typed by pupils goes into pages as text, never as markup.
// Escapes &, <, >, " and ' so the text is safe both between tags and inside value="...".
std::u16string EscapeHtml(std::u16string_view text);
// As EscapeHtml, and line breaks (CR LF, CR or LF) become "<br>".
std::u16string EscapeHtmlLines(std::u16string_view text);

} // namespace vq
