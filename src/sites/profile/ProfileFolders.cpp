#include "sites/profile/ProfileFolders.h"

#include "platform/FileNames.h"
#include "platform/Files.h"
#include "platform/PlatformError.h"
#include "sites/profile/ProfileStore.h"

namespace vq {
namespace {

std::string IdOfPage(const std::string& pageFile) { return pageFile.substr(0, pageFile.size() - 5); } // ".html"

} // namespace

IndexedProfile ListedPartOf(std::string id, std::int64_t stampNs, ProfileData data) {
    IndexedProfile profile{std::move(id), stampNs, std::move(data.picture), {}, {}};
    if (data.answers.size() > 1) profile.name = std::move(data.answers[1]);
    if (data.answers.size() > 2)
        profile.furtherAnswers.assign(std::make_move_iterator(data.answers.begin() + 2),
                                      std::make_move_iterator(data.answers.end()));
    return profile;
}

ProfileFolders ReadProfileFolders(const std::string& dataRoot) {
    ProfileFolders folders;
    for (const DirEntry& page : ListFiles(dataRoot + "prof_html", {}, ".html")) {
        std::string id = IdOfPage(page.name);
        try {
            if (auto data = ReadProfileDataIfPresent(dataRoot, id))
                folders.profiles.push_back(ListedPartOf(std::move(id), page.lastWriteNs, std::move(*data)));
        } catch (const PlatformError& e) {
            folders.unreadable.emplace_back(std::move(id), e.what());
        }
    }
    folders.counterNames = ListFileNames(dataRoot + "prof_counter", {}, ".dat");
    return folders;
}

} // namespace vq
