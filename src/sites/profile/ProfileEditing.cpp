// Editing a profile: choose it, give its password, choose the picture, change the answers, save.
// The ProfileId stays, so the view files still count for it.

#include "platform/Text.h"
#include "shell/Phone.h"
#include "site/HtmlText.h"
#include "site/PageBuilder.h"
#include "sites/profile/ProfileHandlers.h"
#include "sites/profile/ProfilePages.h"
#include "sites/profile/ProfilePassword.h"
#include "sites/profile/ProfilePictures.h"
#include "sites/profile/ProfileRows.h"

namespace vq {
namespace {

constexpr std::string_view kPasswordInput = "<input type=\"text\" name=\"Password\" size=\"20\">";

std::u16string PictureCodeInput(std::u16string_view picture) {
    return u"<input type=\"text\" name=\"PhotoPassword\" value=\"" + EscapeHtml(PictureCodeOf(picture)) + u"\">";
}

std::string FilledPasswordInput(std::u16string_view password) {
    return ToNarrow(u"<input type=\"text\" name=\"Password\" size=\"20\" value=\"" + EscapeHtml(password) + u"\">");
}

} // namespace

void ProfileEditList(Phone& phone, const std::string&) {
    ShowProfileList(phone, "prof/prof_list.html", ProfileOrder::ByStamp, ProfileLink::Edit);
}

void ProfileEditPasswordPage(Phone& phone, const std::string& address) {
    ShowPasswordPage(phone, address, ProfileAction::Edit);
}

// With the right password the pupil chooses the picture, starting from the stored one; a wrong one
// shows the password page again, as often as needed.
void ProfileEditPasswordCheck(Phone& phone, const std::string&) {
    const PasswordCheck check = CheckProfilePassword(phone, ProfileAction::Edit);
    if (!check.right) {
        ShowStoredPageWithPasswordForm(phone, ProfileAction::Edit, PasswordTry::Wrong);
        return;
    }
    phone.profile.ProfilePicture = check.picture;
    FillProfileTemplate(phone, "prof/prof_edit3.html", PictureCodeInput(check.picture));
    ShowResultPage(phone, ProfileResultPage(phone));
}

void ProfileEditForm(Phone& phone, const std::string&) {
    if (!PassedOrAskAgain(phone, ProfileAction::Edit)) return;
    phone.profile.ProfilePicture = ResolveProfilePicture(phone, phone.browser.ReadFormField(0));
    FillProfileTemplate(phone, "prof/prof_edit4.html", ProfileFormRows(phone.profile, ProfileForm::Edit));
    ReplaceMarker(phone, kPasswordInput, FilledPasswordInput(phone.profile.ProfileAnswers[0]));
    ShowResultPage(phone, ProfileResultPage(phone));
}

void ProfileEditStored(Phone& phone, const std::string&) {
    if (!PassedOrAskAgain(phone, ProfileAction::Edit)) return;
    ReadProfileAnswers(phone);
    PublishProfile(phone, "prof/prof_edit5.html", ChosenProfileId(phone), u"プロフ編集");
}

} // namespace vq
