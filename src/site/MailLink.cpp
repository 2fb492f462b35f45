#include "site/MailLink.h"

#include "platform/Text.h"
#include "shell/Phone.h"
#include "site/ResultPages.h"
#include "site/VirtualSite.h"

#include <optional>
#include <string_view>
#include <vector>

namespace vq {
namespace {

// A page's name ends in ".html" or ".htm", in any letter case.
bool IsPageName(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) return false;
    std::string extension(name.substr(dot));
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return extension == ".html" || extension == ".htm";
}

// The path below the data folder with "." and ".." resolved ("\" counts as a separator too, as in
// folders written on Windows); nullopt when it climbs out of the folder.
std::optional<std::vector<std::string_view>> SegmentsInside(std::string_view below) {
    std::vector<std::string_view> segments;
    std::size_t start = 0;
    while (start <= below.size()) {
        std::size_t end = start;
        while (end < below.size() && below[end] != '/' && below[end] != '\\') end += Cp932CharWidth(below, end);
        const std::string_view segment = below.substr(start, end - start);
        if (segment == "..") {
            if (segments.empty()) return std::nullopt;
            segments.pop_back();
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        start = end + 1;
    }
    return segments;
}

std::string Joined(const std::vector<std::string_view>& segments) {
    std::string path;
    for (const std::string_view segment : segments) {
        if (!path.empty()) path += '/';
        path += segment;
    }
    return path;
}

// The local page a mail link leads to. A mail can be written by anyone in the class, so a link is
// taken only when it names a page of the classroom folder: a page or a pseudo page (both end in
// ".html" or ".htm"), never a data file (a classmate's password), nothing outside the folder and no
// station's result page (a classmate's filled-in forms). The classroom's pages take no query, and
// what ends a link with a query is no file name: "090000PC01.dat?.html" names a data file.
std::optional<std::string> ClassroomPageOf(const std::string& dataRoot, std::string_view link) {
    if (link.find_first_of("?#") != std::string_view::npos) return std::nullopt;
    const std::string target = ReplaceAllNoCase(link, VirtualSiteRoot, dataRoot);
    if (!target.starts_with(dataRoot)) return std::nullopt;
    const auto segments = SegmentsInside(std::string_view(target).substr(dataRoot.size()));
    if (!segments || segments->empty()) return std::nullopt;
    if (!IsPageName(segments->back())) return std::nullopt;
    const std::string relative = Joined(*segments);
    if (IsResultPage(relative)) return std::nullopt;
    return dataRoot + relative;
}

// The link in the text as the mail shows it: from "http://" up to the first character outside "-"
// to "~"; the blank added after the text is never part of it.
std::optional<std::string> LinkIn(const std::string& text) {
    const std::size_t start = FindCp932(text, "http://");
    if (start == std::string::npos) return std::nullopt;
    std::string link;
    for (std::size_t i = start; i + 1 < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x2D || c > 0x7E) break;
        link += static_cast<char>(c);
    }
    return link;
}

} // namespace

void FindMailLink(Phone& phone) {
    MailPanel& panel = phone.mailPanel;
    panel.lblButtonUp.Visible = true;
    const std::optional<std::string> link = LinkIn("  " + ToNarrow(panel.txtNewBody.Text) + " ");
    const std::optional<std::string> page = link ? ClassroomPageOf(phone.DataRoot, *link) : std::nullopt;
    if (!page) {
        panel.lblButtonUp.Height = panel.lblButtonLeft.Height;
        panel.lblButtonUp.font = panel.lblButtonLeft.font;
        panel.lblButtonCenter.Visible = false;
        return;
    }
    phone.site.MailLinkTarget = *page; // "/" is already the native separator
    panel.lblButtonUp.Height = panel.lblButtonCenter.Height;
    panel.lblButtonUp.font = panel.lblButtonCenter.font;
    panel.lblButtonCenter.Visible = true;
}

} // namespace vq
