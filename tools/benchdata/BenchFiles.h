#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vq::bench {

// Writes a file of a bench classroom, creating or replacing it. Opened read-write, not write-only:
// smbnetfs answers a write-only open with EIO, and the classroom must be fillable on such a share.
void WriteBenchFile(const std::filesystem::path& path, std::string_view bytes);

// A new, empty folder of its own below parent, removed with everything in it when the owner goes.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::filesystem::path& parent = std::filesystem::temp_directory_path(),
                           std::string_view purpose = "vqbench");
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();

    [[nodiscard]] const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace vq::bench
