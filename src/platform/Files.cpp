#include "platform/Files.h"

#include "platform/NativePath.h"
#include "platform/PosixIo.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace vq {
namespace {

using posix::Fail;
using posix::WriteWhole;

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

std::string ReadAll(const std::string& path) {
    Fd fd(posix::Open(path, O_RDONLY));
    if (fd.get() < 0) Fail("ファイルを開けません", path, errno);
    struct stat st {};
    std::string data;
    if (::fstat(fd.get(), &st) == 0 && st.st_size > 0) data.reserve(static_cast<std::size_t>(st.st_size));
    char buf[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail("ファイルを読めません", path, errno);
        }
        if (n == 0) break;
        data.append(buf, static_cast<std::size_t>(n));
    }
    return data;
}

std::vector<std::string> ReadLines(const std::string& path) { return SplitLines(ReadAll(path)); }

std::vector<std::string> SplitLines(std::string_view data) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < data.size()) {
        std::size_t end = data.find('\n', start);
        const bool last = end == std::string::npos;
        if (last) end = data.size();
        std::size_t stop = end;
        if (stop > start && data[stop - 1] == '\r') --stop;
        lines.emplace_back(data, start, stop - start);
        start = last ? data.size() : end + 1;
    }
    return lines;
}

void RewriteFile(const std::string& path, std::string_view content) {
    Fd fd(posix::Open(path, O_RDWR | O_CREAT | O_TRUNC));
    if (fd.get() < 0) Fail("ファイルを書き込めません", path, errno);
    WriteWhole(fd.get(), content, path);
}

void ReplaceFile(const std::string& path, std::string_view content) {
    posix::RenameOver(posix::WriteWholeBeside(path, content), path);
}

// The file is overwritten in place and cut to its new length at the end rather than truncated first:
// truncating hands every cached page of the old file back to the kernel only to ask for new ones,
// which made rewriting a large result page (a board of a hundred thousand posts) ten times slower.
FileRewriter::FileRewriter(const std::string& path)
    : path_(path), fd_(posix::Open(path, O_RDWR | O_CREAT)) {
    if (fd_ < 0) Fail("ファイルを書き込めません", path_, errno);
}

FileRewriter::~FileRewriter() {
    if (fd_ >= 0) ::close(fd_);
}

void FileRewriter::Write(std::string_view bytes) {
    WriteWhole(fd_, bytes, path_);
    written_ += bytes.size();
}

void FileRewriter::Finish() {
    if (::ftruncate(fd_, static_cast<off_t>(written_)) != 0) Fail("ファイルを書き込めません", path_, errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) Fail("ファイルを書き込めません", path_, errno);
}

void CreateIfMissing(const std::string& path, std::string_view content) {
    Fd fd(posix::Open(path, O_RDWR | O_CREAT | O_EXCL));
    if (fd.get() < 0) {
        if (errno == EEXIST) return;
        Fail("ファイルを作成できません", path, errno);
    }
    WriteWhole(fd.get(), content, path);
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(NativePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::vector<DirEntry> ListFiles(const std::string& folder, std::string_view prefix, std::string_view suffix) {
    const std::string native = NativePath(folder);
    DIR* dir = ::opendir(native.c_str());
    if (!dir) Fail("フォルダを開けません", folder, errno);
    std::vector<DirEntry> entries;
    std::string base = native;
    if (!base.empty() && base.back() != '/') base += '/';
    while (const dirent* e = ::readdir(dir)) {
        std::string name = FromNativeName(e->d_name);
        if (name.size() < prefix.size() + suffix.size()) continue;
        if (name.substr(0, prefix.size()) != prefix) continue;
        if (name.substr(name.size() - suffix.size()) != suffix) continue;
        struct stat st {};
        if (::stat((base + e->d_name).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        entries.push_back({std::move(name),
                           static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                           static_cast<std::int64_t>(st.st_size)});
    }
    ::closedir(dir);
    std::sort(entries.begin(), entries.end(), [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
    return entries;
}

void CopyFileOver(const std::string& source, const std::string& target) {
    ReplaceFile(target, ReadAll(source));
}

void DeleteFile(const std::string& path) {
    if (::unlink(NativePath(path).c_str()) != 0) Fail("ファイルを削除できません", path, errno);
}

} // namespace vq
