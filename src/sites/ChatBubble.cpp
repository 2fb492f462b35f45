#include "sites/ChatBubble.h"

#include "sites/RowPieces.h"

namespace vq {
namespace {

// The markup is fixed to the byte, spacer cells included, so that every station draws the one timeline alike.
constexpr std::string_view kOpening = R"(<table width="90%" class="myTable" border="0">)";

constexpr std::string_view kOwnHead = R"(<tr><td width="50px"></td><td width="200px"><font size="-1" color="#ffffff">No)";
constexpr std::string_view kOwnBody = R"(</font></td></tr><tr><td width="50"></td><td width="200px" bgcolor="#88ff88">)";
constexpr std::string_view kOwnEnd = "</td></tr></table>";

constexpr std::string_view kOthersHead = R"(<tr><td width="200px"><font size="-1" color="#ffffff">No)";
constexpr std::string_view kOthersBody =
    R"(</font></td><td width="50px"></td></tr><tr><td width="200px" bgcolor="#ffffff">)";
constexpr std::string_view kOthersEnd = R"(</td></tr><td width="50px"></td></table>)";

void AppendBubble(std::string& page, std::string_view head, std::string_view number, std::string_view name,
                  std::string_view body, std::string_view text, std::string_view end) {
    page += kOpening;
    page += head;
    if (!number.empty()) {
        page += number;
        page += kIdeographicSpaceCp932;
    }
    page += name;
    page += body;
    page += text;
    page += end;
}

} // namespace

void AppendOwnBubble(std::string& page, std::string_view number, std::string_view name, std::string_view text) {
    AppendBubble(page, kOwnHead, number, name, kOwnBody, text, kOwnEnd);
}

void AppendOthersBubble(std::string& page, std::string_view number, std::string_view name, std::string_view text) {
    AppendBubble(page, kOthersHead, number, name, kOthersBody, text, kOthersEnd);
}

} // namespace vq
