#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vq::bench {

// Classroom-scale data for the benchmarks, written below a classroom folder (the folder that holds
// data/). The content is fixed: the same sizes give the same files on every run and every folder.

// The stations of a computer room.
constexpr int kBenchStations = 40;
// "PC01" .. "PC40" for 1 .. 40.
[[nodiscard]] std::string BenchStationName(int number);

// The board and the timeline with posts posts each from all stations, both pages' templates and the
// activity log of the station that looks at them (PC07).
void FillBoardAndTimeline(const std::filesystem::path& classroom, int posts);

// profiles profiles of all stations with their stored pages, data and counter files, views view
// files spread unevenly over them, the templates of the list, ranking, search and top pages, and the
// profile index the stations keep.
// Returns the profiles' identifiers in the order they were made.
std::vector<std::string> FillProfiles(const std::filesystem::path& classroom, int profiles, int views);

// An empty inbox for every station, the mail folders and PC01's activity log.
void FillInboxes(const std::filesystem::path& classroom);

} // namespace vq::bench
