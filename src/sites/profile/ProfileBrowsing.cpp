// Browsing the profiles: the newest first, the most viewed first, a search, and the stored pages
// themselves, whose every opening counts as a view.

#include "platform/Text.h"
#include "shell/Phone.h"
#include "site/ActivityLog.h"
#include "site/HtmlText.h"
#include "site/PageBuilder.h"
#include "sites/profile/ProfileChanges.h"
#include "sites/profile/ProfileHandlers.h"
#include "sites/profile/ProfilePages.h"
#include "sites/profile/ProfileStore.h"

namespace vq {
namespace {

// The name and answer slots 2 on, joined by "#c#"; the password, picture and station are not searched.
std::string SearchText(const StoredProfile& profile) {
    std::string text = profile.name;
    for (const std::string& answer : profile.furtherAnswers) text += "#c#" + answer;
    return text;
}

bool Mentions(const StoredProfile& profile, std::string_view keyword) {
    return !keyword.empty() && FindCp932(SearchText(profile), keyword) != std::string::npos;
}

std::u16string SearchHeading(std::u16string_view keyword, bool found) {
    return u"「" + EscapeHtml(keyword) + (found ? u"」が書かれているプロフ<br>" : u"」はみつかりませんでした<br>");
}

} // namespace

void ProfileList(Phone& phone, const std::string&) {
    ShowProfileList(phone, "prof/prof_list.html", ProfileOrder::ByStamp, ProfileLink::View);
}

void ProfileRanking(Phone& phone, const std::string&) {
    ShowProfileList(phone, "prof/prof_best.html", ProfileOrder::ByCount, ProfileLink::View);
}

// The browser goes on to the stored page itself; only the view is recorded. A view file is named by
// the profile, the second and the station, so one station viewing twice in a second counts once.
void ProfileViewCounted(Phone& phone, const std::string& address) {
    const std::string id = ProfileIdInAddress(address);
    if (id.empty()) return;
    MakeProfileChange(phone.DataRoot, ProfileIndexEvent::Kind::CounterWritten, [&] {
        ProfileIndexEvent view;
        view.name = WriteViewFile(phone, id, StationStampNow(phone));
        return view;
    });
    LogActivity(phone, u"プロフ", u"プロフ利用");
}

void ProfileSearch(Phone& phone, const std::string&) {
    const std::u16string keyword = phone.browser.ReadFormField(0);
    LoadTemplate(phone, "prof/prof_search2.html");
    const std::string narrowKeyword = ToNarrow(keyword);
    std::vector<StoredProfile> found;
    for (StoredProfile& profile : ListStoredProfiles(phone, ProfileOrder::ByStamp))
        if (Mentions(profile, narrowKeyword)) found.push_back(std::move(profile));
    ReplaceMarker(phone, kSecondMarker, ToNarrow(SearchHeading(keyword, !found.empty())));
    if (!found.empty()) ReplaceMarker(phone, kMainMarker, ProfileListRows(phone.DataRoot, found, ProfileLink::View));
    ShowResultPage(phone, ProfileResultPage(phone));
}

} // namespace vq
