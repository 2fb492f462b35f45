#include "sites/PostingSite.h"

#include "platform/Files.h"
#include "platform/Text.h"
#include "shell/Phone.h"
#include "site/ActivityLog.h"
#include "site/PageBuilder.h"
#include "sites/PostRecord.h"
#include "sites/PostingForm.h"
#include "sites/ShownText.h"

#include <vector>

namespace vq {
namespace {

void TakePost(Phone& phone, const PostingSite& site) {
    const auto form = ReadPostingForm(phone, 2);
    if (!form) return;
    const std::u16string& name = (*form)[0];
    const std::u16string& text = (*form)[1];
    if (name.empty() && text.empty()) return;
    AppendLine(phone.DataPath(site.dataFile), PostRecord(phone, name.empty() ? u"なし" : name, text));
}

// The posts of a file in file order, as views into data.
std::vector<StoredPost> ParsePosts(std::string_view data) {
    std::vector<StoredPost> posts;
    posts.reserve(data.size() / 64);
    while (!data.empty()) {
        std::size_t end = data.find('\n');
        std::string_view line = data.substr(0, end);
        data = end == std::string_view::npos ? std::string_view{} : data.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (auto post = ParsePostRecord(line)) posts.push_back(*post);
    }
    return posts;
}

std::string BuildRows(const Phone& phone, const PostingSite& site, const std::vector<StoredPost>& posts,
                      std::size_t dataSize) {
    std::string rows;
    rows.reserve(dataSize * 2 + posts.size() * 320);
    std::string name;
    std::string text;
    const auto append = [&](std::size_t index) {
        const StoredPost& post = posts[index];
        name.clear();
        text.clear();
        AppendShownText(name, post.name);
        AppendShownText(text, post.text);
        site.appendRow(rows, ShownPost{static_cast<int>(index + 1), post.station == phone.StationName, name, text});
    };
    if (site.order == PostOrder::NewestFirst) {
        for (std::size_t i = posts.size(); i-- > 0;) append(i);
    } else {
        for (std::size_t i = 0; i < posts.size(); ++i) append(i);
    }
    return rows;
}

} // namespace

void ShowPostingSite(Phone& phone, const PostingSite& site) {
    if (phone.sites.*site.shown == 1) TakePost(phone, site);
    phone.sites.*site.shown = 1;

    const std::string data = ReadAll(phone.DataPath(site.dataFile));
    const std::vector<StoredPost> posts = ParsePosts(data);
    const std::string rows = BuildRows(phone, site, posts, data.size());

    LoadTemplate(phone, site.templateFile);
    ReplaceMarker(phone, kNameMarker, std::to_string(posts.size()) + ToNarrow(u"件あります"));
    ReplaceMarker(phone, kMainMarker, rows);
    std::string result(site.resultFolder);
    result += "tmp" + phone.StationName;
    result += site.resultName;
    ShowResultPage(phone, result);
    LogActivity(phone, site.logTitle);
}

} // namespace vq
