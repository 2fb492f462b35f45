#include "site/Dispatcher.h"

#include "mail/MailOpening.h"
#include "platform/Text.h"
#include "shell/ColourPanel.h"
#include "shell/Phone.h"
#include "site/ChargePages.h"
#include "sites/BulletinBoard.h"
#include "sites/FortuneSite.h"
#include "sites/Lessons.h"
#include "sites/RiskPages.h"
#include "sites/SocialPage.h"
#include "sites/profile/ProfileHandlers.h"

#include <array>

namespace vq {
namespace {

template <int Page>
void LessonPage(Phone& phone, const std::string& address) {
    ShowLesson(phone, address, Page);
}

constexpr std::array kTable{
    DispatchRow{"kisekae.html", {}, {}, Guard::Unguarded, OpenColourPanel},
    DispatchRow{"MailStart.html", {}, {}, Guard::Unguarded, OpenMailFromPage},
    DispatchRow{"prof_write.html", {}, {}, Guard::Guarded, ProfileWriteStart},
    DispatchRow{"prof_new2.html", {}, {}, Guard::Guarded, ProfilePictureChosen},
    DispatchRow{"prof_new3.html", {}, {}, Guard::Guarded, ProfileAnswersStored},
    DispatchRow{"prof_list.html", {}, {}, Guard::Guarded, ProfileList},
    DispatchRow{"prof_best.html", {}, {}, Guard::Guarded, ProfileRanking},
    DispatchRow{"prof_html", {}, {}, Guard::Guarded, ProfileViewCounted},
    DispatchRow{"prof_editlist.html", {}, {}, Guard::GuardedClears, ProfileEditList},
    DispatchRow{"prof_password.html", {}, {}, Guard::TakesGuard, ProfileEditPasswordPage},
    DispatchRow{"prof_edit2.html", {}, {}, Guard::Guarded, ProfileEditPasswordCheck},
    DispatchRow{"prof_edit4.html", {}, {}, Guard::Guarded, ProfileEditForm},
    DispatchRow{"prof_edit5.html", {}, {}, Guard::Guarded, ProfileEditStored},
    DispatchRow{"prof_deletelist.html", {}, {}, Guard::GuardedClears, ProfileDeleteList},
    DispatchRow{"prof_delete_password.html", {}, {}, Guard::TakesGuard, ProfileDeletePasswordPage},
    DispatchRow{"prof_delete2.html", {}, {}, Guard::Guarded, ProfileDelete},
    DispatchRow{"prof_search2.html", {}, {}, Guard::GuardedClears, ProfileSearch},
    DispatchRow{"fortune12.html", {}, {}, Guard::Guarded, NameFortune},
    DispatchRow{"fortune22.html", {}, {}, Guard::Guarded, StarSignFortune},
    DispatchRow{"fortune32.html", {}, {}, Guard::Guarded, MailAddressFortune},
    DispatchRow{"fortune42.html", {}, {}, Guard::Guarded, PhoneNumberFortune},
    DispatchRow{"fortune52.html", {}, {}, Guard::Guarded, CompatibilityFortune},
    DispatchRow{"bbs.html", {}, {}, Guard::Guarded, ShowBulletinBoard},
    DispatchRow{"sns.html", {}, "myForm", Guard::Guarded, ShowSocialPage},
    DispatchRow{"s_begin31.html", {}, {}, Guard::Guarded, LessonPage<3>},
    DispatchRow{"s_begin41.html", {}, {}, Guard::Guarded, LessonPage<4>},
    DispatchRow{"s_begin51.html", {}, {}, Guard::Guarded, LessonPage<5>},
    DispatchRow{"adult21.html", "adult22.html", {}, Guard::Guarded, ShowAdultSitePage},
    DispatchRow{"meet21.html", {}, {}, Guard::Guarded, ShowDatingSitePage},
    DispatchRow{"price.html", {}, {}, Guard::Guarded, ShowChargePage},
    DispatchRow{"number.html", {}, {}, Guard::Guarded, ShowPhoneNumberPage},
};

bool MayRun(const DispatchRow& row, int guard) {
    return row.guard == Guard::Unguarded || row.guard == Guard::TakesGuard || guard != 1;
}

} // namespace

bool DispatchRow::Matches(std::string_view address) const {
    const bool named = MatchesPageName(address, name) || (!alsoName.empty() && MatchesPageName(address, alsoName));
    return named && !(!unlessName.empty() && MatchesPageName(address, unlessName));
}

std::span<const DispatchRow> DispatchTable() { return kTable; }

void Dispatch(Phone& phone, const std::string& address) {
    for (const DispatchRow& row : kTable) {
        if (!row.Matches(address) || !MayRun(row, phone.site.GenerationGuard)) continue;
        phone.Trace("handler", std::string(row.name));
        if (row.guard != Guard::Unguarded) phone.site.GenerationGuard = 1;
        if (row.guard == Guard::Guarded || row.guard == Guard::GuardedClears) phone.site.PageBuffer.clear();
        row.handler(phone, address);
        if (row.guard == Guard::GuardedClears) phone.site.GenerationGuard = 0;
    }
}

} // namespace vq
