#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

namespace vq::posix {

// The steps the file layer's parts share on POSIX descriptors.
//
// Every descriptor that writes is opened read-write, never write-only: a school's SMB share mounted
// through FUSE (smbnetfs) answers every write-only open, and fstat or ftruncate on such a handle,
// with an input/output error, and then answers everything on the mount that way for seconds.

// Throws PlatformError: what went wrong, the file, and the system's reason.
[[noreturn]] void Fail(const char* what, const std::string& path, int err);

// open(2) of a CP932 path, going on after interruptions; -1 with errno set on failure.
[[nodiscard]] int Open(const std::string& path, int flags, mode_t mode = 0666);

// Writes all of data, going on after interrupted and partial writes; throws on failure.
void WriteWhole(int fd, std::string_view data, const std::string& path);

// Flushes what was written through fd to the disk or the file server. A client of NFS or SMB reports
// a write the server could not store (its disk full, the connection lost) only now or at close.
// 0 when flushed, or when the file system has nothing to flush; else the error.
[[nodiscard]] int FlushData(int fd);

// Writes content into a new file beside path (same folder, so a rename can put it in path's place)
// and flushes it to the file server. Its name ends in ".tmp" and never matches the "*.dat" or
// "*.html" listings of a data folder. Returns its path; on failure nothing of it is left and
// PlatformError is thrown. A permission of -1 leaves the new file's permissions as created.
[[nodiscard]] std::string WriteWholeBeside(const std::string& path, std::string_view content, int permissions = -1);

// Renames a file written by WriteWholeBeside over path; the temporary file is removed when that fails.
void RenameOver(const std::string& temporary, const std::string& path);
// The same, but a refused rename leaves both files as they were and gives the system's reason (0 when
// renamed). Throws only when the old file is gone and the new one could not take its name.
[[nodiscard]] int TryRenameOver(const std::string& temporary, const std::string& path);

} // namespace vq::posix
