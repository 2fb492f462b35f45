#include "site/ResultPages.h"

#include "platform/Text.h"

#include <algorithm>
#include <array>
#include <optional>

namespace vq {
namespace {

struct ResultFolder {
    std::string_view folder;
    std::string_view suffix;       // after the station's name
    bool numbered = false;         // a lesson's number comes between "tmp" and the station's name
};

constexpr std::array<ResultFolder, 8> kResultFolders{{
    {"price", "price.html"},
    {"number", "number.html"},
    {"prof", ".html"},
    {"fortune", "fortune.html"},
    {"bbs", "bbs.html"},
    {"sns", "sns.html"},
    {"risk", "risk.html"},
    {"s_beginner", "sns.html", true},
}};

constexpr std::string_view kPrefix = "tmp";

struct FolderAndName {
    std::string_view folder;
    std::string_view name;
};

// A file directly inside a folder of the data folder; nullopt for anything else. "/" is never a byte
// of a double-byte character.
std::optional<FolderAndName> Split(std::string_view relative) {
    const std::size_t slash = relative.find('/');
    if (slash == std::string_view::npos || relative.find('/', slash + 1) != std::string_view::npos) return std::nullopt;
    return FolderAndName{relative.substr(0, slash), relative.substr(slash + 1)};
}

const ResultFolder* FolderOf(std::string_view folder) {
    const auto found = std::find_if(kResultFolders.begin(), kResultFolders.end(),
                                    [&](const ResultFolder& f) { return SameNoCase(f.folder, folder); });
    return found == kResultFolders.end() ? nullptr : &*found;
}

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::vector<std::string_view> ResultPageFolders() {
    std::vector<std::string_view> folders;
    for (const ResultFolder& f : kResultFolders) folders.push_back(f.folder);
    return folders;
}

bool IsResultPage(std::string_view relative) {
    const auto parts = Split(relative);
    return parts && FolderOf(parts->folder) && parts->name.size() >= kPrefix.size() &&
           SameNoCase(parts->name.substr(0, kPrefix.size()), kPrefix);
}

bool IsOwnResultPage(std::string_view relative, std::string_view station) {
    const auto parts = Split(relative);
    if (!parts || station.empty() || !parts->name.starts_with(kPrefix)) return false;
    const ResultFolder* folder = FolderOf(parts->folder);
    if (!folder || folder->folder != parts->folder) return false;
    std::string ending(station);
    ending += folder->suffix;
    const std::string_view rest = parts->name.substr(kPrefix.size());
    if (!folder->numbered) return rest == ending;
    return rest.ends_with(ending) && AllDigits(rest.substr(0, rest.size() - ending.size()));
}

} // namespace vq
