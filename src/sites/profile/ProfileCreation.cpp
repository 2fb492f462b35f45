// Creating a profile: the form with a picture, then publishing it to every station.

#include "shell/Phone.h"
#include "site/PageBuilder.h"
#include "sites/profile/ProfileHandlers.h"
#include "sites/profile/ProfilePages.h"
#include "sites/profile/ProfilePictures.h"
#include "sites/profile/ProfileRows.h"
#include "sites/profile/ProfileStore.h"

namespace vq {
namespace {

// The answer inputs always come back empty: what was typed is not carried over.
void ShowCreationForm(Phone& phone) {
    FillProfileTemplate(phone, "prof/prof_new2.html", ProfileFormRows(phone.profile, ProfileForm::Creation));
    ShowResultPage(phone, ProfileResultPage(phone));
}

} // namespace

// The form starts with the photo last taken or shown in a mail, if there is one.
void ProfileWriteStart(Phone& phone, const std::string&) {
    phone.profile.ProfilePicture = ResolveProfilePicture(phone, PictureCodeOfPhoto(phone.mail.CurrentPhoto));
    ShowCreationForm(phone);
}

void ProfilePictureChosen(Phone& phone, const std::string&) {
    phone.profile.ProfilePicture = ResolveProfilePicture(phone, phone.browser.ReadFormField(0));
    ShowCreationForm(phone);
}

// Publishes with the picture last shown, not a code typed since: the pupil saw what is published.
void ProfileAnswersStored(Phone& phone, const std::string&) {
    ReadProfileAnswers(phone);
    PublishProfile(phone, "prof/prof_new3.html", StationStampNow(phone), u"プロフ作成");
}

} // namespace vq
