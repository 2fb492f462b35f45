#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vq {

// Finding a classroom folder before a program starts on it. Unlike the rest of the program these
// take and give paths as the file system names them (UTF-8): they run before there is a classroom.

// A classroom folder is one that holds data/.
[[nodiscard]] bool HoldsClassroom(const std::filesystem::path& folder);

// The sample classroom that comes with the programs: share/velquinlan/classroom beside the folder of
// the programs (/usr/bin and /usr/share, or any prefix), or in a parent of it (the build tree, whose
// programs lie further down). Nothing when it is not there.
[[nodiscard]] std::optional<std::filesystem::path> FindBundledClassroom(const std::filesystem::path& programFolder);

// Where a pupil tries the sample: home/VelquinLAN/見本のクラス.
[[nodiscard]] std::filesystem::path SampleClassroomIn(const std::filesystem::path& home);

// The sample classroom at target, copied from bundled the first time; later calls find the copy and
// leave it as the pupils left it. The copy appears whole or not at all. Throws PlatformError with a
// message for the pupil when it cannot be made.
std::filesystem::path OpenSampleClassroom(const std::filesystem::path& bundled, const std::filesystem::path& target);

// The teaching files the phone needs to show its pages and body that the data folder lacks, as paths
// relative to it. Asked only after the home page was found missing: one look when all is well.
[[nodiscard]] std::vector<std::string> MissingTeachingFiles(const std::filesystem::path& data);

} // namespace vq
