#include "sites/profile/ProfileStore.h"

#include "platform/Files.h"
#include "platform/NativePath.h"
#include "platform/PlatformError.h"
#include "platform/Text.h"
#include "shell/Phone.h"
#include "sites/profile/ProfileState.h"

#include <filesystem>

namespace vq {
namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    const std::string_view tail = text.substr(text.size() - suffix.size());
    for (std::size_t i = 0; i < tail.size(); ++i)
        if (LowerAscii(tail[i]) != LowerAscii(suffix[i])) return false;
    return true;
}

// The last "/" or "\" that is a character of its own, not the second byte of a CP932 character.
std::size_t LastSeparator(std::string_view address) {
    std::size_t last = std::string_view::npos;
    for (std::size_t i = 0; i < address.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(address[i]))) {
            ++i;
            continue;
        }
        if (address[i] == '/' || address[i] == '\\') last = i;
    }
    return last;
}

bool IsStoredPageFolder(std::string_view folder) {
    constexpr std::string_view kFolder = "prof_html";
    if (!folder.ends_with(kFolder)) return false;
    if (folder.size() == kFolder.size()) return true;
    const char before = folder[folder.size() - kFolder.size() - 1];
    return before == '/' || before == '\\';
}

// Folders written on Windows separate with "\". The second byte of a double-byte character (as in
// "ソ" or "表" of a station's photo name) is often that byte too, and is left alone.
std::string PicturePathFromFile(std::string picture) {
    for (std::size_t i = 0; i < picture.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(picture[i]))) ++i;
        else if (picture[i] == '\\') picture[i] = '/';
    }
    return picture;
}

ProfileData ParseProfileData(const std::vector<std::string>& lines) {
    ProfileData data;
    if (!lines.empty()) data.station = lines[0];
    if (lines.size() > 1) data.picture = PicturePathFromFile(lines[1]);
    if (lines.size() > 2) data.answers.assign(lines.begin() + 2, lines.end());
    return data;
}

} // namespace

std::string SixDigitTime(const LocalDateTime& time) {
    const std::string digits = "0" + ReplaceAll(LongTimeText(time), ":", "");
    return digits.substr(digits.size() - 6);
}

std::string StationStampNow(const Phone& phone) { return SixDigitTime(phone.clock.Now()) + phone.StationName; }

std::string StoredPagePath(std::string_view id) { return "prof_html/" + std::string(id) + ".html"; }
std::string ProfileDataPath(std::string_view id) { return "prof_edit/" + std::string(id) + ".dat"; }
std::string BaseCounterPath(std::string_view id) { return "prof_counter/" + std::string(id) + ".dat"; }
std::string ViewFilePath(std::string_view id, std::string_view stamp) {
    return "prof_counter/" + std::string(id) + std::string(stamp) + ".dat";
}

std::string ProfileIdInAddress(std::string_view address) {
    const std::size_t separator = LastSeparator(address);
    if (separator == std::string_view::npos || !IsStoredPageFolder(address.substr(0, separator))) return {};
    const std::string_view name = address.substr(separator + 1);
    for (std::string_view suffix : {"prof_delete_password.html", "prof_password.html", ".html"})
        if (EndsWithNoCase(name, suffix)) return std::string(name.substr(0, name.size() - suffix.size()));
    return {};
}

std::string ProfileIdOfTarget(std::string_view target) {
    return LastSeparator(target) == std::string_view::npos ? std::string(target) : ProfileIdInAddress(target);
}

ProfileData ReadProfileData(const std::string& dataRoot, std::string_view id) {
    return ParseProfileData(ReadLines(dataRoot + ProfileDataPath(id)));
}

std::optional<ProfileData> ReadProfileDataIfPresent(const std::string& dataRoot, std::string_view id) {
    try {
        return ReadProfileData(dataRoot, id);
    } catch (const PlatformError&) {
        // Only a file that is not there is skipped; one that exists and cannot be read is an error.
        std::error_code ignored;
        if (!std::filesystem::exists(NativePath(dataRoot + ProfileDataPath(id)), ignored)) return std::nullopt;
        throw;
    }
}

void WriteProfileData(const Phone& phone, std::string_view id, const ProfileData& data) {
    std::string text = data.station + "\r\n" + data.picture + "\r\n";
    for (int slot = 0; slot < kProfileQuestionCount; ++slot) {
        if (static_cast<std::size_t>(slot) < data.answers.size()) text += data.answers[static_cast<std::size_t>(slot)];
        text += "\r\n";
    }
    ReplaceFile(phone.DataPath(ProfileDataPath(id)), text);
}

void WriteBaseCounter(const Phone& phone, std::string_view id) { ReplaceFile(phone.DataPath(BaseCounterPath(id)), "\r\n"); }

std::string WriteViewFile(const Phone& phone, std::string_view id, std::string_view stamp) {
    const std::string relative = ViewFilePath(id, stamp);
    RewriteFile(phone.DataPath(relative), "\r\n");
    return relative.substr(relative.find('/') + 1);
}

} // namespace vq
