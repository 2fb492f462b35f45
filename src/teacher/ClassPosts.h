#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

// The two shared files every station posts to.
enum class PostFile { Board, Timeline };

// The shared file, relative to DataRoot, and the console's file of the posts hidden from it.
[[nodiscard]] std::string_view DataFileOf(PostFile file);
[[nodiscard]] std::string_view HiddenFileOf(PostFile file);

// One post of the class as the console lists it.
struct ClassPost {
    int number = 0;          // as the phones number it (1 for the oldest shown); 0 for a hidden post
    bool hidden = false;
    std::size_t position = 0; // place among all posts ever made, hidden ones included, from 0
    std::string line;         // the record as it lies in the file (CP932), which identifies the post
    std::string station;      // CP932
    std::u16string time;
    std::u16string name;      // as typed
    std::u16string text;      // as typed; line breaks as CR LF
};

// A post hidden by the teacher, kept so that it can be put back where it was.
struct HiddenPost {
    std::size_t position = 0;
    std::string line;
};

// The hidden-posts file: one line per post, its position, "#c#" and the record as it was.
[[nodiscard]] std::vector<HiddenPost> ParseHiddenPosts(std::string_view content);
[[nodiscard]] std::string FormatHiddenPosts(const std::vector<HiddenPost>& hidden);

// Every post, in the order the class wrote them: the records of the shared file with the hidden ones
// put back in their places, each marked.
[[nodiscard]] std::vector<ClassPost> MergePosts(std::string_view sharedContent, const std::vector<HiddenPost>& hidden);

} // namespace vq
