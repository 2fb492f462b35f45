#include "platform/Folders.h"

#include "platform/NativePath.h"
#include "platform/PosixIo.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cerrno>

namespace vq {

bool FolderExists(const std::string& path) {
    struct stat st {};
    return ::stat(NativePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

void CreateFolders(const std::string& path) {
    std::string native = NativePath(path);
    while (native.size() > 1 && native.back() == '/') native.pop_back();
    for (std::size_t at = native.find('/', 1);; at = native.find('/', at + 1)) {
        const std::string part = native.substr(0, at);
        if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) posix::Fail("フォルダを作成できません", path, errno);
        if (at == std::string::npos) break;
    }
    if (!FolderExists(path)) posix::Fail("フォルダを作成できません", path, ENOTDIR);
}

bool RemoveEmptyFolder(const std::string& path) { return ::rmdir(NativePath(path).c_str()) == 0; }

void RenamePath(const std::string& source, const std::string& target) {
    if (::rename(NativePath(source).c_str(), NativePath(target).c_str()) != 0)
        posix::Fail("名前を変えられません", source, errno);
}

} // namespace vq
