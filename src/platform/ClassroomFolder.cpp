#include "platform/ClassroomFolder.h"

#include "platform/PlatformError.h"

#include <unistd.h>

#include <array>
#include <system_error>

namespace fs = std::filesystem;

namespace vq {
namespace {

// An installed program lies one folder below its prefix (bin/); one in the build tree three below
// the top of the build (src/desktop/phone/).
constexpr int kFoldersUp = 3;

const fs::path kBundledClassroom = fs::path("share") / "velquinlan" / "classroom";

const std::array<const char*, 9> kTeachingFiles{
    "kyouzai/contents/index.html",         "kyouzai/contents/option0-1.html",     "prof/prof_quest.txt",
    "body_picture/smartphoneK.bmp",        "body_picture/smartphoneW.bmp",        "body_picture/smartphoneB.bmp",
    "body_picture/smartphoneR.bmp",        "body_picture/smartphoneY.bmp",        "body_picture/smartphoneG.bmp"};

bool IsFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

std::string Shown(const fs::path& path) { return path.string(); }

} // namespace

bool HoldsClassroom(const fs::path& folder) {
    std::error_code error;
    return fs::is_directory(folder / "data", error);
}

std::optional<fs::path> FindBundledClassroom(const fs::path& programFolder) {
    fs::path prefix = programFolder.lexically_normal();
    if (!prefix.has_filename()) prefix = prefix.parent_path(); // "/usr/bin/" names /usr/bin
    for (int up = 1; up <= kFoldersUp && prefix.has_relative_path(); ++up) {
        prefix = prefix.parent_path();
        if (HoldsClassroom(prefix / kBundledClassroom)) return prefix / kBundledClassroom;
    }
    return std::nullopt;
}

fs::path SampleClassroomIn(const fs::path& home) { return home / "VelquinLAN" / "見本のクラス"; }

fs::path OpenSampleClassroom(const fs::path& bundled, const fs::path& target) {
    if (HoldsClassroom(target)) return target;
    std::error_code error;
    if (fs::exists(target, error) && !fs::is_empty(target, error))
        throw PlatformError("見本のクラスを用意できません。" + Shown(target) +
                            " はすでにあり、data フォルダがありません。このフォルダの名前を変えてから、もう一度試してください。");
    // Copied beside the target and renamed into place: an interrupted copy never looks like a sample.
    const fs::path partial = target.parent_path() / (target.filename().string() + ".copying-" + std::to_string(::getpid()));
    try {
        fs::create_directories(target.parent_path());
        fs::remove_all(partial);
        fs::copy(bundled, partial, fs::copy_options::recursive);
        fs::rename(partial, target);
    } catch (const fs::filesystem_error& e) {
        fs::remove_all(partial, error);
        throw PlatformError("見本のクラスを " + Shown(target) + " にコピーできません。" + e.code().message());
    }
    return target;
}

std::vector<std::string> MissingTeachingFiles(const fs::path& data) {
    std::vector<std::string> missing;
    for (const char* file : kTeachingFiles)
        if (!IsFile(data / file)) missing.emplace_back(file);
    return missing;
}

} // namespace vq
