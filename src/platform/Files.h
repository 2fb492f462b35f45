#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

// The file layer. Paths are 8-bit (CP932) strings; every call opens, uses and closes its file in one
// step and throws PlatformError with a readable message when it fails.

// The lines of a text file without their line ends (CR LF or LF). Throws when the file cannot be read.
std::vector<std::string> ReadLines(const std::string& path);
// The lines of text already read, split the same way.
std::vector<std::string> SplitLines(std::string_view data);
// The whole file as bytes.
std::string ReadAll(const std::string& path);

// Appending lines to a file is done under its lock (platform/LockedFile.h), so that an append is
// whole or absent.

// Creates or truncates the file and writes content as it is: for a station's own result pages,
// which are written anew at every visit and never lasting. A failure can leave the file cut short.
void RewriteFile(const std::string& path, std::string_view content);

// Gives the file content, whole: written to a temporary file in the same folder, flushed, and only
// then renamed over the old one, so that a full disk or a crash leaves the old content, never a
// half-written file. For lasting files (a stored profile page, a profile data file, a lesson's
// message). Not for files others append to while it runs (see ReplaceSharedFile).
void ReplaceFile(const std::string& path, std::string_view content);

// A file rewritten in several writes within one step, for a station's own result page too large to
// assemble in memory first. The constructor creates or opens the file, which is then overwritten in
// place; Finish cuts it to what was written and closes it. A writer destroyed unfinished (after an
// error) closes the file as it is. Not for shared files that others append to: an append between the
// last write and the cut would be cut off.
class FileRewriter {
public:
    explicit FileRewriter(const std::string& path);
    FileRewriter(const FileRewriter&) = delete;
    FileRewriter& operator=(const FileRewriter&) = delete;
    ~FileRewriter();

    void Write(std::string_view bytes);
    void Finish();

private:
    std::string path_;
    int fd_;
    std::uint64_t written_ = 0;
};

// Creates the file with content only when it does not exist yet; an existing file is left untouched.
void CreateIfMissing(const std::string& path, std::string_view content);

bool FileExists(const std::string& path);

struct DirEntry {
    std::string name;            // file name without folder
    std::int64_t lastWriteNs;    // last-write time, nanoseconds since the epoch
    std::int64_t size = 0;       // bytes
};
// The regular files in folder whose names start with prefix and end with suffix, in name order
// (byte order), which makes the listing order the same on every station.
std::vector<DirEntry> ListFiles(const std::string& folder, std::string_view prefix = {},
                                std::string_view suffix = {});

// Copies source over target (target is replaced when it exists, as ReplaceFile does).
void CopyFileOver(const std::string& source, const std::string& target);
void DeleteFile(const std::string& path);

} // namespace vq
