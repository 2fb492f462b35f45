#include "sites/profile/ProfileListing.h"

#include "shell/Phone.h"
#include "sites/profile/ProfileCatalog.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace vq {
namespace {

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
std::int64_t WholeSecond(const CatalogProfile& page) { return page.profile.stampNs / 1000000000; }

// The data files a listing could not read, told in one message once the listing is done.
void TellUnreadable(Phone& phone, const std::string& reasons) {
    if (reasons.empty()) phone.shell.ShownErrors.Clear(RepeatedError::UnreadableProfiles);
    else phone.ReportOnce(RepeatedError::UnreadableProfiles, "データを読めないプロフを一覧から外しました。" + reasons);
}

} // namespace

std::vector<StoredProfile> ListStoredProfiles(Phone& phone, ProfileOrder order) {
    const ProfileCatalog::Listing listing = phone.profile.Catalog.Refresh(phone.DataRoot);
    TellUnreadable(phone, listing.unreadable);
    const std::vector<const CatalogProfile*>& pages = listing.profiles;
    const auto positions =
        order == ProfileOrder::ByStamp
            ? DescendingOrder(pages.size(), [&](std::size_t i) { return WholeSecond(*pages[i]); })
            : DescendingOrder(pages.size(), [&](std::size_t i) { return std::int64_t{pages[i]->views}; });
    std::vector<StoredProfile> profiles;
    profiles.reserve(pages.size());
    for (std::size_t i : positions) {
        const IndexedProfile& profile = pages[i]->profile;
        profiles.push_back({profile.id + ".html", profile.id, pages[i]->views, profile.picture, profile.name,
                            profile.furtherAnswers});
    }
    return profiles;
}

} // namespace vq
