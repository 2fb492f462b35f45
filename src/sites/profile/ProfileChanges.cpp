#include "sites/profile/ProfileChanges.h"

#include "platform/FileState.h"
#include "platform/Files.h"
#include "platform/LockedFile.h"
#include "platform/PlatformError.h"
#include "sites/profile/ProfileStore.h"

#include <optional>

namespace vq {
namespace {

std::optional<LockedFile> LockIndex(const std::string& path) {
    try {
        CreateIfMissing(path, NewProfileIndexHeader());
        return LockedFile::OpenExisting(path);
    } catch (const PlatformError&) {
        return std::nullopt;
    }
}

void Record(LockedFile& index, const std::string& dataRoot, ProfileIndexEvent& event) {
    try {
        event.after = StatProfileFolders(dataRoot, FoldersTouchedBy(event.kind));
        if (event.kind == ProfileIndexEvent::Kind::Saved) {
            const auto page = StatFile(dataRoot + StoredPagePath(event.profile.id));
            if (!page) return; // gone again already: let the folder times send readers to the folders
            event.profile.stampNs = page->lastWriteNs;
        }
        index.AppendWhole(FormatProfileIndexLine(event) + "\r\n");
    } catch (const PlatformError&) {
        // Unrecorded; the folder times the change moved make readers look at the folders themselves.
    }
}

} // namespace

void MakeProfileChange(const std::string& dataRoot, ProfileIndexEvent::Kind kind,
                       const std::function<ProfileIndexEvent()>& change) {
    std::optional<LockedFile> index = LockIndex(dataRoot + std::string(kProfileIndexPath));
    ProfileFolderTimes before;
    if (index) {
        try {
            before = StatProfileFolders(dataRoot, FoldersTouchedBy(kind));
        } catch (const PlatformError&) {
            index.reset();
        }
    }
    ProfileIndexEvent event = change();
    event.kind = kind;
    event.before = before;
    if (index) Record(*index, dataRoot, event);
}

} // namespace vq
