#pragma once

#include "platform/Clock.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vq {
class Phone;

// The files of one profile, named by its ProfileId: the time of day it was created as six digits
// HHMMSS followed by the creating station's name, so two stations never write the same files.

// The six digits of a time of day, formed as the long time text without its ":" and with a "0" in
// front, of which the last six characters are kept.
std::string SixDigitTime(const LocalDateTime& time);
// The six digits of now followed by StationName: a new ProfileId, or the stamp of a view file.
std::string StationStampNow(const Phone& phone);

// Paths relative to DataRoot.
std::string StoredPagePath(std::string_view id);
std::string ProfileDataPath(std::string_view id);
std::string BaseCounterPath(std::string_view id);
std::string ViewFilePath(std::string_view id, std::string_view stamp);

// The ProfileId that an address of a stored page names: its file name in the "prof_html" folder
// without ".html", or without the "prof_password.html" or "prof_delete_password.html" of an edit or
// delete link. Empty when the address names no page in that folder. Taking the identifier from the
// file name, instead of rewriting words anywhere in the address, keeps a data folder whose path
// happens to contain "html" or "prof_html" working.
std::string ProfileIdInAddress(std::string_view address);

// The ProfileId of ProfileTarget, which holds either a ProfileId (after a creation or a saved edit)
// or the path of a stored page (while a profile is being edited or deleted).
std::string ProfileIdOfTarget(std::string_view target);

// The profile data file: who saved it last, the picture path and answer slots 0 (the password),
// 1 (the name) and on.
struct ProfileData {
    std::string station;
    std::string picture;              // relative to DataRoot, with "/" separators
    std::vector<std::string> answers; // CP932, as many as the file holds
};

[[nodiscard]] ProfileData ReadProfileData(const std::string& dataRoot, std::string_view id);
// As ReadProfileData, but nullopt when the file does not exist (yet): another station may be
// between writing a stored page and its data file.
[[nodiscard]] std::optional<ProfileData> ReadProfileDataIfPresent(const std::string& dataRoot, std::string_view id);
// Writes the 33 lines: station, picture, answer slots 0 to 30.
void WriteProfileData(const Phone& phone, std::string_view id, const ProfileData& data);

// Counter files hold one empty line; only their names count. The base counter lasts and is
// replaced whole; a view file is new (or that second's again) and written plainly. Gives the view
// file's name.
void WriteBaseCounter(const Phone& phone, std::string_view id);
std::string WriteViewFile(const Phone& phone, std::string_view id, std::string_view stamp);

} // namespace vq
