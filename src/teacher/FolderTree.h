#pragma once

#include <string>
#include <vector>

namespace vq {

// Every file below folder, as paths relative to it ("kyouzai/contents/index.html"), folder by
// folder in name order. Throws PlatformError.
[[nodiscard]] std::vector<std::string> ListFilesBelow(const std::string& folder);

// Removes folder and everything in it, as far as it can; false when something stayed. For cleaning
// up what the console itself made and could not finish.
bool RemoveFolderTree(const std::string& folder);

} // namespace vq
