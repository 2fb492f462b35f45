#include "teacher/NewClassroom.h"

#include "platform/Files.h"
#include "platform/Folders.h"
#include "platform/PlatformError.h"
#include "platform/Text.h"
#include "shell/DataFolders.h"
#include "teacher/FolderTree.h"
#include "teacher/LessonFiles.h"

#include <set>

namespace vq {
namespace {

bool IsTeachingContent(const std::string& relative) {
    const std::size_t slash = relative.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : relative.substr(0, slash);
    const std::string name = slash == std::string::npos ? relative : relative.substr(slash + 1);
    if (name.starts_with(".")) return false; // the build's marker files, a desktop's hidden files
    const LessonRole role = RoleOf(folder, name);
    return role == LessonRole::TeachingContent || role == LessonRole::CopiedAlong;
}

void FillDataFolder(const std::string& data, const std::string& bundled) {
    for (const std::string_view folder : kDataFolders) CreateFolders(data + std::string(folder));
    std::set<std::string> made;
    for (const std::string& relative : ListFilesBelow(bundled)) {
        if (!IsTeachingContent(relative)) continue;
        const std::size_t slash = relative.rfind('/');
        if (slash != std::string::npos && made.insert(relative.substr(0, slash)).second)
            CreateFolders(data + relative.substr(0, slash));
        CopyFileOver(bundled + "/" + relative, data + relative);
    }
    // The shared files every phone's start-up would create anyway; made here so the first
    // phones to start never race to create them.
    for (const char* shared : {"bbs/bbsData.dat", "sns/snsData.dat"}) RewriteFile(data + shared, kFreshFile);
}

} // namespace

void CreateClassroom(const std::string& path, const std::string& bundledDataFolder) {
    std::string root = path;
    while (root.size() > 1 && root.back() == '/') root.pop_back();
    if (FolderExists(root + "/data"))
        throw PlatformError("このフォルダにはすでに data フォルダがあります: " + Cp932ToUtf8(root) +
                            "\n新しいクラスフォルダには、空のフォルダか、まだないフォルダの名前を指定してください。");
    if (bundledDataFolder.empty() || !FolderExists(bundledDataFolder + "/kyouzai"))
        throw PlatformError("プログラムといっしょに入っているはずの教材が見つかりません" +
                            (bundledDataFolder.empty() ? std::string() : ": " + Cp932ToUtf8(bundledDataFolder)) +
                            "\nインストールし直すか、環境変数 VELQUINLAN_CONTENT に教材の data フォルダを指定してください。");
    CreateFolders(root);
    const std::string building = root + "/data.new";
    if (FolderExists(building)) RemoveFolderTree(building);
    try {
        FillDataFolder(building + "/", bundledDataFolder);
        RenamePath(building, root + "/data");
    } catch (const PlatformError& e) {
        RemoveFolderTree(building);
        throw PlatformError(std::string("クラスフォルダを作成できませんでした。\n") + e.what());
    }
}

} // namespace vq
