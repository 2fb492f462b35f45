#pragma once

#include <string>

namespace vq {

// Folders, for the teacher's console: the phones create files only, never folders.

[[nodiscard]] bool FolderExists(const std::string& path);
// Creates the folder and any missing folders above it; an existing folder is fine. Throws
// PlatformError when it cannot be made.
void CreateFolders(const std::string& path);
// Removes an empty folder; false when it is not empty or cannot be removed.
bool RemoveEmptyFolder(const std::string& path);
// Gives a file or folder a new name in the same file system; fails when target exists as a folder
// that is not empty. Throws PlatformError.
void RenamePath(const std::string& source, const std::string& target);

} // namespace vq
