// A stopgap for measuring on smbnetfs until the file layer opens read-write wherever it writes:
//
//   LD_PRELOAD=build/tools/libvqrdwrpreload.so build/tools/vqfolderbench --folder ...
//
// smbnetfs fails an O_WRONLY | O_APPEND open, and an ftruncate on a write-only handle, with EIO
// after about 4 s, and then answers EIO on that mount for 3 s more; an O_RDWR open of the same file
// works. Loaded into a program, this library turns every write-only open() into a read-write one, so
// that the pages that write can be timed on the share as they will run once that is mended. Never
// part of the phone itself, and to be removed with that mend.

#include <dlfcn.h>
#include <fcntl.h>

#include <cstdarg>

namespace {

int ReadWrite(int flags) { return (flags & O_ACCMODE) == O_WRONLY ? (flags & ~O_ACCMODE) | O_RDWR : flags; }

// The mode argument exists only when the call may create the file.
mode_t ModeOf(int flags, va_list arguments) {
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? static_cast<mode_t>(va_arg(arguments, int)) : 0;
}

template <typename Function>
Function Next(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

using OpenFunction = int (*)(const char*, int, ...);
using OpenAtFunction = int (*)(int, const char*, int, ...);

} // namespace

extern "C" {

int open(const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = ModeOf(flags, arguments);
    va_end(arguments);
    static const auto next = Next<OpenFunction>("open");
    return next(path, ReadWrite(flags), mode);
}

int open64(const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = ModeOf(flags, arguments);
    va_end(arguments);
    static const auto next = Next<OpenFunction>("open64");
    return next(path, ReadWrite(flags), mode);
}

int openat(int folder, const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = ModeOf(flags, arguments);
    va_end(arguments);
    static const auto next = Next<OpenAtFunction>("openat");
    return next(folder, path, ReadWrite(flags), mode);
}

int openat64(int folder, const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = ModeOf(flags, arguments);
    va_end(arguments);
    static const auto next = Next<OpenAtFunction>("openat64");
    return next(folder, path, ReadWrite(flags), mode);
}

} // extern "C"
