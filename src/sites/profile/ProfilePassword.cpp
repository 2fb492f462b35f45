#include "sites/profile/ProfilePassword.h"

#include "platform/PlatformError.h"
#include "platform/Text.h"
#include "shell/Phone.h"
#include "site/PageBuilder.h"
#include "sites/profile/ProfilePages.h"
#include "sites/profile/ProfileStore.h"

namespace vq {
namespace {

constexpr std::string_view kTableStart = "<table border=";

std::u16string PasswordForm(ProfileAction action, PasswordTry attempt) {
    const bool edit = action == ProfileAction::Edit;
    std::u16string form = edit ? u"<form method=\"post\" action=\"prof_edit2.html\">"
                               : u"<form method=\"post\" action=\"prof_delete2.html\">";
    form += attempt == PasswordTry::First ? u"　↓パスワード<br>" : u"　パスワードが異なります<br>↓再入力してください<br>";
    form += u"<input type=\"text\" name=\"myPassword\"><br>";
    form += edit ? u"<input name=\"submit\" type=\"submit\" value=\" 編集する \">"
                 : u"<input name=\"submit\" type=\"submit\" value=\" 削除する \">";
    form += u"</form>";
    return form;
}

// Slots past the end of a short file are emptied, so that no answer of a profile checked earlier
// passes into this one.
void LoadStoredAnswers(Phone& phone, const ProfileData& data) {
    std::vector<std::u16string>& answers = phone.profile.ProfileAnswers;
    for (std::size_t slot = 0; slot < answers.size(); ++slot)
        answers[slot] = slot < data.answers.size() ? ToWide(data.answers[slot]) : std::u16string();
}

} // namespace

std::string ChosenProfileId(const Phone& phone) {
    const std::string id = ProfileIdOfTarget(phone.profile.ProfileTarget);
    if (id.empty()) throw PlatformError("プロフが選ばれていません。プロフの一覧から選び直してください。");
    return id;
}

void ShowPasswordPage(Phone& phone, const std::string& address, ProfileAction action) {
    phone.site.PageBuffer.clear();
    const std::string id = ProfileIdInAddress(address);
    if (id.empty()) throw PlatformError("このリンクはプロフを指していません。プロフの一覧から選び直してください。");
    phone.profile.ProfileTarget = phone.DataPath(StoredPagePath(id));
    ShowStoredPageWithPasswordForm(phone, action, PasswordTry::First);
}

void ShowStoredPageWithPasswordForm(Phone& phone, ProfileAction action, PasswordTry attempt) {
    phone.profile.PassedCheck.reset();
    phone.site.PageBuffer.clear();
    LoadTemplate(phone, StoredPagePath(ChosenProfileId(phone)));
    ReplaceMarker(phone, kTableStart, ToNarrow(PasswordForm(action, attempt)) + std::string(kTableStart));
    ShowResultPage(phone, ProfileResultPage(phone));
}

PasswordCheck CheckProfilePassword(Phone& phone, ProfileAction action) {
    phone.profile.PassedCheck.reset();
    const std::u16string typed = phone.browser.ReadFormField(0);
    const std::string id = ChosenProfileId(phone);
    const ProfileData data = ReadProfileData(phone.DataRoot, id);
    // Compared as stored: a character the data file cannot hold was saved as "?", and the pupil who
    // chose it must still be able to type the password again.
    const std::u16string stored = data.answers.empty() ? std::u16string() : ToWide(data.answers.front());
    if (ToNarrow(typed) != ToNarrow(stored)) return {false, {}};
    LoadStoredAnswers(phone, data);
    phone.profile.PassedCheck = ProfilePass{id, action};
    return {true, ToWide(data.picture)};
}

bool PassedOrAskAgain(Phone& phone, ProfileAction action) {
    const std::optional<ProfilePass>& pass = phone.profile.PassedCheck;
    if (pass && pass->action == action && pass->id == ChosenProfileId(phone)) return true;
    ShowStoredPageWithPasswordForm(phone, action, PasswordTry::First);
    return false;
}

} // namespace vq
