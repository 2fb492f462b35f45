#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vq {

// The names of the regular files in folder whose names start with prefix and end with suffix, in
// name order (byte order), like ListFiles but without the last-write times. A folder of tens of
// thousands of small files on a network share is listed without asking for each file's times.
[[nodiscard]] std::vector<std::string> ListFileNames(const std::string& folder, std::string_view prefix = {},
                                                     std::string_view suffix = {});

// The names of the folders directly inside folder, in name order, "." and ".." left out.
[[nodiscard]] std::vector<std::string> ListFolderNames(const std::string& folder);

} // namespace vq
