#pragma once

#include "teacher/ClassPosts.h"
#include "teacher/ClassroomFolder.h"

#include <vector>

namespace vq {

// Hiding a post from the class and putting it back. The post leaves the shared file (under its
// lock, so posts the phones append meanwhile stay) and waits in the hidden-posts file beside it;
// the phones show the board without it at their next visit. Putting it back returns it to its
// place among the others. Both throw PlatformError with a message for the teacher when the post
// is no longer where the list showed it (someone else moderated it) or a file cannot be written.

// Every post of the file, the hidden ones included and marked.
[[nodiscard]] std::vector<ClassPost> ListPosts(const ClassroomFolder& folder, PostFile file);

void HidePost(const ClassroomFolder& folder, PostFile file, const ClassPost& post);
void PutBackPost(const ClassroomFolder& folder, PostFile file, const ClassPost& post);

} // namespace vq
