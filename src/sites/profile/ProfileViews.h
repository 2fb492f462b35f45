#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vq {

// The view count of a profile is the number of counter file names in which its ProfileId occurs,
// letters compared exactly. Because it is a substring test, 090507PC1 also gets the views of
// 090507PC10. The counts of all ids come from one pass over the names.
[[nodiscard]] std::vector<int> CountAllProfileViews(const std::vector<std::string>& ids,
                                                    const std::vector<std::string>& counterNames);
[[nodiscard]] int CountProfileViews(std::string_view id, const std::vector<std::string>& counterNames);

} // namespace vq
