#include "platform/FileNames.h"

#include "platform/NativePath.h"
#include "platform/PosixIo.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

namespace vq {
namespace {

enum class Kind { File, Folder };

bool IsOfKind(const std::string& folder, const dirent& entry, Kind kind) {
    const unsigned char wanted = kind == Kind::File ? DT_REG : DT_DIR;
    if (entry.d_type == wanted) return true;
    if (entry.d_type != DT_UNKNOWN && entry.d_type != DT_LNK) return false;
    // Some file systems do not tell the type in the listing; links count by what they point to.
    struct stat st {};
    if (::stat((folder + entry.d_name).c_str(), &st) != 0) return false;
    return kind == Kind::File ? S_ISREG(st.st_mode) : S_ISDIR(st.st_mode);
}

std::vector<std::string> ListNames(const std::string& folder, Kind kind, std::string_view prefix, std::string_view suffix) {
    const std::string native = NativePath(folder);
    DIR* dir = ::opendir(native.c_str());
    if (!dir) posix::Fail("フォルダを開けません", folder, errno);
    std::string base = native;
    if (!base.empty() && base.back() != '/') base += '/';
    std::vector<std::string> names;
    while (const dirent* e = ::readdir(dir)) {
        if (std::string_view(e->d_name) == "." || std::string_view(e->d_name) == "..") continue;
        std::string name = FromNativeName(e->d_name);
        if (name.size() < prefix.size() + suffix.size() || !name.starts_with(prefix) || !name.ends_with(suffix))
            continue;
        if (IsOfKind(base, *e, kind)) names.push_back(std::move(name));
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

std::vector<std::string> ListFileNames(const std::string& folder, std::string_view prefix, std::string_view suffix) {
    return ListNames(folder, Kind::File, prefix, suffix);
}

std::vector<std::string> ListFolderNames(const std::string& folder) { return ListNames(folder, Kind::Folder, {}, {}); }

} // namespace vq
