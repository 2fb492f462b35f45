#pragma once

#include <string>
#include <vector>

namespace vq {

inline constexpr int kProfileQuestionCount = 31;

// The profile site's working state.
struct ProfileState {
    std::vector<std::u16string> ProfileQuestions = std::vector<std::u16string>(kProfileQuestionCount);
};

} // namespace vq
