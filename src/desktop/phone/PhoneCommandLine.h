#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vq {

// What the phone was asked on its command line: velquinlan [--help | --version | CLASSROOM-FOLDER].
struct PhoneCommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Run;
    std::optional<std::string> classroom; // as given; the current folder when absent
    std::string refusal;                  // why the command line was refused, for the terminal
};

// The arguments after the program's name.
[[nodiscard]] PhoneCommandLine ReadPhoneCommandLine(const std::vector<std::string>& arguments);

// The text of --help and of --version.
[[nodiscard]] std::string PhoneUsage();
[[nodiscard]] std::string PhoneVersion();

} // namespace vq
