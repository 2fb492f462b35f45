#include "teacher/PostModeration.h"

#include "platform/Files.h"
#include "platform/PlatformError.h"
#include "sites/PostRecord.h"
#include "teacher/SharedFileEdit.h"

#include <algorithm>

namespace vq {
namespace {

std::string HiddenPath(const ClassroomFolder& folder, PostFile file) { return folder.DataPath(HiddenFileOf(file)); }

std::vector<HiddenPost> ReadHidden(const ClassroomFolder& folder, PostFile file) {
    const std::string path = HiddenPath(folder, file);
    return FileExists(path) ? ParseHiddenPosts(ReadAll(path)) : std::vector<HiddenPost>{};
}

// The hidden-posts file is the console's own; it is replaced whole under the same lock as the
// shared files, so two consoles moderating at once never lose each other's hidden posts.
void WriteHidden(const ClassroomFolder& folder, PostFile file, const std::vector<HiddenPost>& hidden) {
    const std::string path = HiddenPath(folder, file);
    CreateIfMissing(path, "\r\n");
    const std::string content = FormatHiddenPosts(hidden);
    EditSharedFile(path, [&](const std::string&) { return std::optional<std::string>(content); });
}

[[noreturn]] void PostMoved() {
    throw PlatformError("この投稿は、一覧を表示したあとで変わりました。一覧を更新してから、もう一度操作してください。");
}

// Byte offsets of the record lines of content: where each starts and where its line end ends.
struct LineSpan {
    std::size_t begin;
    std::size_t end;
};

std::vector<LineSpan> RecordSpans(std::string_view content) {
    std::vector<LineSpan> spans;
    for (std::size_t at = 0; at < content.size();) {
        const std::size_t newline = content.find('\n', at);
        const std::size_t end = newline == std::string_view::npos ? content.size() : newline + 1;
        std::string_view line = content.substr(at, end - at);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
        if (IsPostRecord(line)) spans.push_back({at, end});
        at = end;
    }
    return spans;
}

// The shared content with line put in as the record numbered shownIndex (from 0); at the end when
// there are fewer records.
std::string WithLineAt(const std::string& content, std::size_t shownIndex, const std::string& line) {
    const std::vector<LineSpan> spans = RecordSpans(content);
    if (shownIndex < spans.size()) {
        std::string result = content;
        result.insert(spans[shownIndex].begin, line + "\r\n");
        return result;
    }
    std::string result = content;
    if (!result.empty() && result.back() != '\n') result += "\r\n"; // never glue it to a torn last line
    return result + line + "\r\n";
}

} // namespace

std::vector<ClassPost> ListPosts(const ClassroomFolder& folder, PostFile file) {
    return MergePosts(ReadAll(folder.DataPath(DataFileOf(file))), ReadHidden(folder, file));
}

void HidePost(const ClassroomFolder& folder, PostFile file, const ClassPost& post) {
    if (post.hidden) return;
    const std::vector<HiddenPost> hiddenBefore = ReadHidden(folder, file);
    bool hiddenWritten = false;
    try {
        EditSharedFile(folder.DataPath(DataFileOf(file)), [&](const std::string& content) -> std::optional<std::string> {
            const std::vector<ClassPost> posts = MergePosts(content, hiddenBefore);
            const auto found = std::find_if(posts.begin(), posts.end(), [&](const ClassPost& p) {
                return !p.hidden && p.number == post.number && p.line == post.line;
            });
            if (found == posts.end()) PostMoved();
            const LineSpan span = RecordSpans(content)[static_cast<std::size_t>(found->number - 1)];
            // Kept first, removed second: whatever fails, the post is never in neither file.
            std::vector<HiddenPost> hidden = hiddenBefore;
            hidden.push_back({found->position, found->line});
            std::stable_sort(hidden.begin(), hidden.end(),
                             [](const HiddenPost& a, const HiddenPost& b) { return a.position < b.position; });
            WriteHidden(folder, file, hidden);
            hiddenWritten = true;
            return content.substr(0, span.begin) + content.substr(span.end);
        });
    } catch (const PlatformError&) {
        if (hiddenWritten) WriteHidden(folder, file, hiddenBefore);
        throw;
    }
}

void PutBackPost(const ClassroomFolder& folder, PostFile file, const ClassPost& post) {
    if (!post.hidden) return;
    std::vector<HiddenPost> hidden = ReadHidden(folder, file);
    const auto found = std::find_if(hidden.begin(), hidden.end(), [&](const HiddenPost& h) {
        return h.position == post.position && h.line == post.line;
    });
    if (found == hidden.end()) PostMoved();
    const std::size_t hiddenBeforeIt = static_cast<std::size_t>(
        std::count_if(hidden.begin(), hidden.end(), [&](const HiddenPost& h) { return h.position < found->position; }));
    const std::size_t shownIndex = found->position - hiddenBeforeIt;
    const HiddenPost back = *found;
    const std::vector<HiddenPost> hiddenBefore = hidden;
    hidden.erase(found);
    // Back on the board first: if the hidden-posts file cannot be written afterwards, the post is
    // shown and still listed as hidden, which the teacher sees, rather than lost.
    EditSharedFile(folder.DataPath(DataFileOf(file)),
                   [&](const std::string& content) { return std::optional<std::string>(WithLineAt(content, shownIndex, back.line)); });
    WriteHidden(folder, file, hidden);
}

} // namespace vq
