#pragma once

#include "platform/Clock.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace vq {

// What velquinlan-teacher was asked to do by its command line.
struct TeacherCommand {
    enum class Kind { Window, Report, NewClassroom, Archive, CheckShare, Help, Version };
    Kind kind = Kind::Window;
    bool csv = false;
    std::string folder; // as given (UTF-8); empty for the current folder
};

// nullopt, with a message in error, for a command line that makes no sense.
[[nodiscard]] std::optional<TeacherCommand> ParseTeacherCommand(const std::vector<std::string>& args, std::string& error);

[[nodiscard]] std::string TeacherHelpText();
[[nodiscard]] std::string TeacherVersionText(const std::string& version);

// Where the program finds what it needs besides the classroom folder.
struct TeacherEnvironment {
    std::string currentFolder;     // CP932
    std::string bundledDataFolder; // the teaching content a new classroom gets (CP932)
    const Clock& clock;
    std::string version; // empty in a build without one
};

// Runs a command that needs no window (report, new classroom, archive, share check) and returns the
// exit status: 0 when it worked, 1 with a message on err when it failed. The share check prints one
// line a finding and ends with 1 when any of them is a problem.
int RunTeacherCommand(const TeacherCommand& command, const TeacherEnvironment& environment, std::ostream& out,
                      std::ostream& err);

// The folder a command works on, as a CP932 path: the one given, or the current folder.
[[nodiscard]] std::string CommandFolder(const TeacherCommand& command, const TeacherEnvironment& environment);

} // namespace vq
