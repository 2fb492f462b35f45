#include "sites/profile/ProfilePages.h"

#include "platform/Text.h"
#include "shell/Phone.h"
#include "site/ActivityLog.h"
#include "site/HtmlText.h"
#include "site/PageBuilder.h"
#include "sites/profile/ProfileChanges.h"
#include "sites/profile/ProfileFolders.h"
#include "sites/profile/ProfileRows.h"
#include "sites/profile/ProfileStore.h"

namespace vq {
namespace {

// A text input holds one line; a line break would shift every later line of the data file.
std::u16string OneLine(std::u16string text) {
    std::erase_if(text, [](char16_t c) { return c == u'\r' || c == u'\n'; });
    return text;
}

// The stored page is made first, so a missing template stops before any file is written, and is
// written last: the lists start from it, so a profile never shows half saved.
void SaveProfileFiles(Phone& phone, const std::string& id) {
    phone.site.PageBuffer.clear();
    FillProfileTemplate(phone, "prof/prof_data.html", ProfileShowRows(phone.profile));
    ProfileData data{phone.StationName, ToNarrow(phone.profile.ProfilePicture), {}};
    for (const std::u16string& answer : phone.profile.ProfileAnswers) data.answers.push_back(ToNarrow(answer));
    MakeProfileChange(phone.DataRoot, ProfileIndexEvent::Kind::Saved, [&] {
        WriteProfileData(phone, id, data);
        WriteBaseCounter(phone, id);
        WriteLastingPage(phone, StoredPagePath(id));
        ProfileIndexEvent saved;
        saved.profile = ListedPartOf(id, 0, std::move(data));
        return saved;
    });
    phone.site.PageBuffer.clear();
}

} // namespace

std::string ProfileResultPage(const Phone& phone) { return "prof/tmp" + phone.StationName + ".html"; }

void ShowProfileList(Phone& phone, std::string_view templatePath, ProfileOrder order, ProfileLink link) {
    LoadTemplate(phone, templatePath);
    const std::vector<StoredProfile> profiles = ListStoredProfiles(phone, order);
    if (!profiles.empty() || link != ProfileLink::View)
        ReplaceMarker(phone, kMainMarker, ProfileListRows(phone.DataRoot, profiles, link));
    ShowResultPage(phone, ProfileResultPage(phone));
}

void FillProfileTemplate(Phone& phone, std::string_view templatePath, std::u16string_view rows) {
    LoadTemplate(phone, templatePath);
    ReplaceMarker(phone, kNameMarker, ToNarrow(EscapeHtml(ToWide(phone.DataRoot) + phone.profile.ProfilePicture)));
    ReplaceMarker(phone, kMainMarker, ToNarrow(rows));
}

void ReadProfileAnswers(Phone& phone) {
    ProfileState& profile = phone.profile;
    for (int slot = 0; slot < kProfileQuestionCount; ++slot) {
        const auto i = static_cast<std::size_t>(slot);
        if (!profile.ProfileQuestions[i].empty()) profile.ProfileAnswers[i] = OneLine(phone.browser.ReadFormField(slot + 1));
    }
    if (profile.ProfileAnswers[1].empty())
        profile.ProfileAnswers[1] = u"名無し" + ToWide(std::to_string(phone.random.Between(100, 998)));
}

void PublishProfile(Phone& phone, std::string_view confirmationTemplate, const std::string& id,
                    std::u16string_view logDetail) {
    // Saved first: the pupil is told the profile is saved only once it is.
    SaveProfileFiles(phone, id);
    phone.profile.ProfileTarget = id;
    phone.profile.PassedCheck.reset(); // another save needs the password again
    FillProfileTemplate(phone, confirmationTemplate, ProfileShowRows(phone.profile));
    ShowResultPage(phone, ProfileResultPage(phone));
    LogActivity(phone, u"プロフ", logDetail);
}

} // namespace vq
