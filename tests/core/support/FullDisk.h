#pragma once

#include <sys/resource.h>

#include <cstdint>
#include <filesystem>
#include <memory>

namespace vqtest {

// While a FileSizeLimit lives, no file this process writes can grow past the given size: a write
// that crosses it writes what fits and then fails (EFBIG), as a write fails on a disk that has just
// run full. It is the process's RLIMIT_FSIZE, which needs no privileges; ctest runs every test in a
// process of its own. SIGXFSZ is ignored meanwhile, so the write fails instead of ending the test.
class FileSizeLimit {
public:
    explicit FileSizeLimit(std::uint64_t bytes);
    // Room for just `bytes` more at the end of the file at path.
    static FileSizeLimit RoomAfter(const std::filesystem::path& path, std::uint64_t bytes);
    FileSizeLimit(FileSizeLimit&& other) noexcept;
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit();

private:
    bool active_ = true;
    rlimit before_{};
    void (*oldHandler_)(int) = nullptr;
};

// A really full disk: a small tmpfs mounted on a folder for the length of a test. Only root may
// mount, and not every container lets even root; MountOn is then empty and the test is skipped.
class SmallDisk {
public:
    [[nodiscard]] static std::unique_ptr<SmallDisk> MountOn(const std::filesystem::path& folder, int kilobytes);
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    ~SmallDisk();

    // Fills the disk with a file of its own until only about `bytes` are left (in whole pages).
    void FillLeaving(std::uint64_t bytes);
    // Frees what FillLeaving took.
    void Free();

private:
    explicit SmallDisk(std::filesystem::path folder) : folder_(std::move(folder)) {}
    std::filesystem::path folder_;
};

} // namespace vqtest
