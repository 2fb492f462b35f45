#include "teacher/FolderTree.h"

#include "platform/FileNames.h"
#include "platform/Files.h"
#include "platform/Folders.h"
#include "platform/PlatformError.h"

namespace vq {
namespace {

void CollectFiles(const std::string& folder, const std::string& prefix, std::vector<std::string>& files) {
    for (const std::string& name : ListFileNames(folder + "/")) files.push_back(prefix + name);
    for (const std::string& sub : ListFolderNames(folder)) CollectFiles(folder + "/" + sub, prefix + sub + "/", files);
}

} // namespace

std::vector<std::string> ListFilesBelow(const std::string& folder) {
    std::vector<std::string> files;
    CollectFiles(folder, "", files);
    return files;
}

bool RemoveFolderTree(const std::string& folder) {
    bool whole = true;
    try {
        for (const std::string& name : ListFileNames(folder + "/")) {
            try {
                DeleteFile(folder + "/" + name);
            } catch (const PlatformError&) {
                whole = false;
            }
        }
        for (const std::string& sub : ListFolderNames(folder)) whole = RemoveFolderTree(folder + "/" + sub) && whole;
    } catch (const PlatformError&) {
        return false;
    }
    return RemoveEmptyFolder(folder) && whole;
}

} // namespace vq
