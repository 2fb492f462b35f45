#pragma once

#include <string_view>
#include <vector>

namespace vq {

// Each station writes the pages it shows into the folders of the teaching content, named "tmp",
// the station's name and a suffix: "prof/tmpPC01.html", "fortune/tmpPC01fortune.html",
// "s_beginner/tmp2PC01sns.html". They hold what that pupil just entered: the password filled into a
// profile's edit form, a fortune's name, birthday and phone number, a risk page's address. No other
// station may be shown them.
//
// relative: a path below the data folder, "/" between its parts, "." and ".." resolved.

// The folders that hold result pages.
[[nodiscard]] std::vector<std::string_view> ResultPageFolders();

// True for a result page of any station. Letters are compared without regard to case, because a
// Windows share opens "PROF/TMPPC01.HTML" as prof/tmpPC01.html.
[[nodiscard]] bool IsResultPage(std::string_view relative);

// True when relative is one of the station's own result pages, exactly as the program names them:
// "PC0" never matches a page of "PC01" or the other way round.
[[nodiscard]] bool IsOwnResultPage(std::string_view relative, std::string_view station);

} // namespace vq
