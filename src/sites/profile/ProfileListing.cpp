#include "sites/profile/ProfileListing.h"

#include "platform/FileNames.h"
#include "platform/Files.h"
#include "platform/PlatformError.h"
#include "shell/Phone.h"
#include "sites/profile/ProfileStore.h"
#include "sites/profile/ProfileViews.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <optional>

namespace vq {
namespace {

std::string IdOfPage(const std::string& pageFile) { return pageFile.substr(0, pageFile.size() - 5); } // ".html"

// Positions in the final order: a stable ascending sort by the key, then taken from the last to the
// first, so that of equal keys the later in directory order comes first.
template <typename Key>
std::vector<std::size_t> DescendingOrder(std::size_t count, Key key) {
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
    std::reverse(order.begin(), order.end());
    return order;
}

// Stamps are compared to the second: pages published in the same second keep the reverse of the
// directory order, whatever finer time the file system keeps.
std::int64_t WholeSecond(const DirEntry& page) { return page.lastWriteNs / 1000000000; }

// The data files a listing could not read, told in one message once the listing is done.
void TellUnreadable(Phone& phone, const std::string& reasons) {
    if (reasons.empty()) phone.shell.ShownErrors.Clear(RepeatedError::UnreadableProfiles);
    else phone.ReportOnce(RepeatedError::UnreadableProfiles, "データを読めないプロフを一覧から外しました。" + reasons);
}

} // namespace

std::vector<StoredProfile> ListStoredProfiles(Phone& phone, ProfileOrder order) {
    const std::vector<DirEntry> pages = ListFiles(phone.DataPath("prof_html"), {}, ".html");
    std::string unreadable;
    if (pages.empty()) {
        TellUnreadable(phone, unreadable);
        return {};
    }
    std::vector<std::string> ids;
    ids.reserve(pages.size());
    for (const DirEntry& page : pages) ids.push_back(IdOfPage(page.name));
    const std::vector<int> views = CountAllProfileViews(ids, ListFileNames(phone.DataPath("prof_counter"), {}, ".dat"));

    const auto positions = order == ProfileOrder::ByStamp
                               ? DescendingOrder(pages.size(), [&](std::size_t i) { return WholeSecond(pages[i]); })
                               : DescendingOrder(pages.size(), [&](std::size_t i) { return std::int64_t{views[i]}; });
    std::vector<StoredProfile> profiles;
    profiles.reserve(pages.size());
    for (std::size_t i : positions) {
        std::optional<ProfileData> data;
        try {
            data = ReadProfileDataIfPresent(phone, ids[i]);
        } catch (const PlatformError& e) {
            unreadable += "\n" + std::string(e.what());
        }
        if (!data) continue;
        StoredProfile profile{pages[i].name, ids[i], views[i], std::move(data->picture), {}, {}};
        if (data->answers.size() > 1) profile.name = std::move(data->answers[1]);
        if (data->answers.size() > 2)
            profile.furtherAnswers.assign(std::make_move_iterator(data->answers.begin() + 2),
                                          std::make_move_iterator(data->answers.end()));
        profiles.push_back(std::move(profile));
    }
    TellUnreadable(phone, unreadable);
    return profiles;
}

} // namespace vq
