#include "sites/profile/ProfileCatalog.h"

#include "platform/FileState.h"
#include "platform/Files.h"
#include "platform/LockedFile.h"
#include "platform/PlatformError.h"
#include "sites/profile/ProfileFolders.h"
#include "sites/profile/ProfileViews.h"

#include <optional>

namespace vq {
namespace {

std::string IndexPath(const std::string& dataRoot) { return dataRoot + std::string(kProfileIndexPath); }

std::string PageFileOf(std::string_view id) { return std::string(id) + ".html"; }

bool HasEventLines(std::string_view content) {
    const std::string_view header = ProfileIndexHeader(content);
    return content.size() > header.size();
}

std::string Line(const ProfileIndexEvent& event) { return FormatProfileIndexLine(event) + "\r\n"; }

} // namespace

ProfileCatalog::Listing ProfileCatalog::Refresh(const std::string& dataRoot) {
    const ProfileFolderTimes observed = StatProfileFolders(dataRoot);
    if (!ReadNewLines(dataRoot)) LoadIndex(dataRoot);
    if (!settled_ || !known_.Covers(observed)) ReadFolders(dataRoot, observed);
    Count();
    Listing listing;
    listing.profiles.reserve(profiles_.size());
    for (const auto& [page, profile] : profiles_) listing.profiles.push_back(&profile);
    for (const auto& [id, message] : unreadable_) listing.unreadable += "\n" + message;
    return listing;
}

// The lines other stations added since the last visit; false when there is no index to read on
// from (none read yet, or it was deleted or written anew meanwhile).
bool ProfileCatalog::ReadNewLines(const std::string& dataRoot) {
    if (header_.empty()) return false;
    const std::optional<std::string> added = ReadFromIfStartsWith(IndexPath(dataRoot), header_, offset_);
    if (!added) return false;
    offset_ += Apply(*added);
    return true;
}

void ProfileCatalog::LoadIndex(const std::string& dataRoot) {
    Forget();
    const std::optional<std::string> content = ReadFromIfStartsWith(IndexPath(dataRoot), {}, 0);
    if (!content) return;
    const std::string_view header = ProfileIndexHeader(*content);
    if (header.empty()) return;
    header_ = header;
    offset_ = header.size() + Apply(std::string_view(*content).substr(header.size()));
}

// Applies every whole line and returns their length: a line still being written is left for the next
// visit.
std::size_t ProfileCatalog::Apply(std::string_view lines) {
    std::size_t used = 0;
    for (std::size_t end; (end = lines.find("\r\n", used)) != std::string_view::npos; used = end + 2)
        if (const auto event = ParseProfileIndexLine(lines.substr(used, end - used))) ApplyEvent(*event);
    return used;
}

void ProfileCatalog::ApplyEvent(const ProfileIndexEvent& event) {
    using Kind = ProfileIndexEvent::Kind;
    if (event.kind == Kind::Settled) {
        settled_ = true;
    } else if (!known_.Covers(event.before)) {
        // A folder changed between the last change the index tells of and this one.
        settled_ = false;
    }
    known_.Raise(event.after);
    switch (event.kind) {
    case Kind::Saved:
        AddProfile(event.profile);
        AddCounterName(event.profile.id + ".dat"); // its base counter
        unreadable_.erase(event.profile.id);
        break;
    case Kind::Deleted:
        profiles_.erase(PageFileOf(event.name));
        unreadable_.erase(event.name);
        break;
    case Kind::CounterWritten: AddCounterName(event.name); break;
    case Kind::Unreadable:
        profiles_.erase(PageFileOf(event.name));
        unreadable_[event.name] = event.message;
        break;
    case Kind::Settled: break;
    }
}

// The plain way, file by file. The picture then holds everything that happened before the reading
// began: the folder times observed before it, and every change of the index lines read so far (each
// line was written after its change). A change made while reading shows as a later time, or as a
// line, at the next visit. Raising the times rather than setting them keeps a busy class from
// sending every station to the folders again and again: a line read just before the reading may
// tell a later time than observed.
void ProfileCatalog::ReadFolders(const std::string& dataRoot, const ProfileFolderTimes& observed) {
    ProfileFolders folders = ReadProfileFolders(dataRoot);
    profiles_.clear();
    unreadable_.clear();
    counterNames_.clear();
    allCounterNames_.clear();
    uncountedNames_.clear();
    recountAll_ = true;
    for (const IndexedProfile& profile : folders.profiles) AddProfile(profile);
    for (const std::string& name : folders.counterNames) AddCounterName(name);
    for (auto& [id, message] : folders.unreadable) unreadable_[id] = std::move(message);
    settled_ = true;
    known_.Raise(observed);
    PublishIndex(dataRoot);
}

// Writes the index anew from what was just read, under its lock. Changes recorded meanwhile are
// taken over first; when the folders changed in a way the index does not tell, or another station
// has written the index anew, it is left as it is. Failing to write it only costs time later.
void ProfileCatalog::PublishIndex(const std::string& dataRoot) {
    const std::string path = IndexPath(dataRoot);
    std::string written;
    try {
        CreateIfMissing(path, NewProfileIndexHeader());
        (void)ReplaceSharedFile(path, [&](std::string_view content) -> std::optional<std::string> {
            const std::string_view header = ProfileIndexHeader(content);
            if (!header_.empty() && header == header_ && content.size() >= offset_)
                offset_ += Apply(content.substr(offset_));
            else if (HasEventLines(content))
                return std::nullopt;
            if (!settled_ || !known_.Covers(StatProfileFolders(dataRoot))) return std::nullopt;
            written = IndexContent();
            return written;
        });
    } catch (const PlatformError&) {
        return;
    }
    if (written.empty()) return;
    header_ = ProfileIndexHeader(written);
    offset_ = written.size();
}

std::string ProfileCatalog::IndexContent() const {
    std::string content = NewProfileIndexHeader();
    ProfileIndexEvent event;
    event.kind = ProfileIndexEvent::Kind::Saved;
    for (const auto& [page, profile] : profiles_) {
        event.profile = profile.profile;
        content += Line(event);
    }
    event.kind = ProfileIndexEvent::Kind::Unreadable;
    for (const auto& [id, message] : unreadable_) {
        event.name = id;
        event.message = message;
        content += Line(event);
    }
    event.kind = ProfileIndexEvent::Kind::CounterWritten;
    for (const std::string& name : allCounterNames_) {
        event.name = name;
        content += Line(event);
    }
    event.kind = ProfileIndexEvent::Kind::Settled;
    event.after = known_;
    content += Line(event);
    return content;
}

void ProfileCatalog::Forget() { *this = ProfileCatalog(); }

void ProfileCatalog::AddProfile(const IndexedProfile& profile) {
    const auto [entry, added] = profiles_.try_emplace(PageFileOf(profile.id));
    entry->second.profile = profile;
    if (added) recountAll_ = true;
}

void ProfileCatalog::AddCounterName(const std::string& name) {
    if (!counterNames_.insert(name).second) return;
    allCounterNames_.push_back(name);
    uncountedNames_.push_back(name);
}

// A new profile is counted over every counter name; otherwise only the names added since are.
void ProfileCatalog::Count() {
    if (!recountAll_ && uncountedNames_.empty()) return;
    std::vector<std::string> ids;
    ids.reserve(profiles_.size());
    for (const auto& [page, profile] : profiles_) ids.push_back(profile.profile.id);
    const std::vector<int> counts = CountAllProfileViews(ids, recountAll_ ? allCounterNames_ : uncountedNames_);
    std::size_t i = 0;
    for (auto& [page, profile] : profiles_) profile.views = (recountAll_ ? 0 : profile.views) + counts[i++];
    recountAll_ = false;
    uncountedNames_.clear();
}

} // namespace vq
