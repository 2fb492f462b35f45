// Deleting a profile removes its stored page, so it leaves every list; its data file and counter
// files stay in their folders.

#include "platform/Files.h"
#include "platform/PlatformError.h"
#include "shell/Phone.h"
#include "sites/profile/ProfileChanges.h"
#include "sites/profile/ProfileHandlers.h"
#include "sites/profile/ProfilePages.h"
#include "sites/profile/ProfilePassword.h"
#include "sites/profile/ProfileStore.h"

namespace vq {
namespace {

// A page another station removed a moment ago is as good as deleted; one that stays is reported,
// so that no pupil is told a profile is gone while every list still shows it.
void RemoveStoredPage(const Phone& phone, const std::string& id) {
    const std::string page = phone.DataPath(StoredPagePath(id));
    MakeProfileChange(phone.DataRoot, ProfileIndexEvent::Kind::Deleted, [&] {
        try {
            DeleteFile(page);
        } catch (const PlatformError&) {
            if (FileExists(page)) throw;
        }
        ProfileIndexEvent deleted;
        deleted.name = id;
        return deleted;
    });
}

} // namespace

void ProfileDeleteList(Phone& phone, const std::string&) {
    ShowProfileList(phone, "prof/prof_deletelist.html", ProfileOrder::ByStamp, ProfileLink::Delete);
}

void ProfileDeletePasswordPage(Phone& phone, const std::string& address) {
    ShowPasswordPage(phone, address, ProfileAction::Delete);
}

void ProfileDelete(Phone& phone, const std::string&) {
    if (!CheckProfilePassword(phone, ProfileAction::Delete).right) {
        ShowStoredPageWithPasswordForm(phone, ProfileAction::Delete, PasswordTry::Wrong);
        return;
    }
    phone.profile.PassedCheck.reset(); // the pass is used up at once
    RemoveStoredPage(phone, ChosenProfileId(phone));
    phone.Navigate(phone.DataPath("prof/prof_delete3.html"));
}

} // namespace vq
