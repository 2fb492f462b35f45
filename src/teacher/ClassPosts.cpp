#include "teacher/ClassPosts.h"

#include "platform/Files.h"
#include "platform/Text.h"
#include "site/RecordText.h"
#include "sites/PostRecord.h"

#include <algorithm>
#include <charconv>

namespace vq {
namespace {

constexpr std::string_view kSeparator = "#c#";

ClassPost PostOfLine(std::string_view line, std::size_t position, bool hidden) {
    const StoredPost stored = *ParsePostRecord(line);
    ClassPost post;
    post.hidden = hidden;
    post.position = position;
    post.line = line;
    post.station = stored.station;
    post.time = ToWide(stored.time);
    post.name = DecodeRecordText(ToWide(stored.name));
    post.text = DecodeRecordText(ToWide(stored.text));
    return post;
}

} // namespace

std::string_view DataFileOf(PostFile file) { return file == PostFile::Board ? "bbs/bbsData.dat" : "sns/snsData.dat"; }

std::string_view HiddenFileOf(PostFile file) {
    return file == PostFile::Board ? "bbs/bbsHidden.dat" : "sns/snsHidden.dat";
}

std::vector<HiddenPost> ParseHiddenPosts(std::string_view content) {
    std::vector<HiddenPost> hidden;
    for (const std::string& line : SplitLines(content)) {
        const std::size_t at = line.find(kSeparator);
        if (at == std::string::npos) continue;
        HiddenPost post;
        const auto [end, err] = std::from_chars(line.data(), line.data() + at, post.position);
        if (err != std::errc() || end != line.data() + at) continue;
        post.line = line.substr(at + kSeparator.size());
        if (IsPostRecord(post.line)) hidden.push_back(std::move(post));
    }
    std::stable_sort(hidden.begin(), hidden.end(),
                     [](const HiddenPost& a, const HiddenPost& b) { return a.position < b.position; });
    return hidden;
}

std::string FormatHiddenPosts(const std::vector<HiddenPost>& hidden) {
    std::string content = "\r\n";
    for (const HiddenPost& post : hidden) content += std::to_string(post.position) + std::string(kSeparator) + post.line + "\r\n";
    return content;
}

std::vector<ClassPost> MergePosts(std::string_view sharedContent, const std::vector<HiddenPost>& hidden) {
    const std::vector<std::string_view> shown = PostRecordLines(sharedContent);
    std::vector<ClassPost> posts;
    posts.reserve(shown.size() + hidden.size());
    std::size_t nextShown = 0;
    auto nextHidden = hidden.begin();
    // A hidden post goes back to its place; places beyond the posts there are now (the posts after it
    // were hidden too, or the file was emptied) keep their order at the end.
    while (nextShown < shown.size() || nextHidden != hidden.end()) {
        const std::size_t position = posts.size();
        if (nextHidden != hidden.end() && (nextHidden->position <= position || nextShown == shown.size())) {
            posts.push_back(PostOfLine(nextHidden->line, position, true));
            ++nextHidden;
        } else {
            posts.push_back(PostOfLine(shown[nextShown], position, false));
            posts.back().number = static_cast<int>(++nextShown);
        }
    }
    return posts;
}

} // namespace vq
