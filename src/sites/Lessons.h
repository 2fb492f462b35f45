#pragma once

#include <string>

namespace vq {
class Phone;

// Beginner lesson page 3, 4 or 5: a private timeline on which the pupil practises posting.
void ShowLesson(Phone& phone, const std::string& address, int page);

} // namespace vq
