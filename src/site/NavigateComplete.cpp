#include "site/NavigateComplete.h"

#include "mail/MailDelivery.h"
#include "platform/Text.h"
#include "shell/Phone.h"
#include "site/ActivityLog.h"

#include <array>
#include <string_view>
#include <utility>

namespace vq {
namespace {

constexpr std::array<std::pair<std::string_view, std::u16string_view>, 13> kTeachingPages{{
    {"denki2kigou.html", u"記号特訓ドリル"},
    {"denkikouzisi.html", u"第二種電気工事士過去問"},
    {"keisan1.html", u"計算パズル　入門編"},
    {"keisan2.html", u"計算パズル　初級"},
    {"keisan3.html", u"計算パズル　中級"},
    {"kiken4ke.html", u"危険物特訓ドリル"},
    {"kikenbutu.html", u"危険物予想問題"},
    {"koumin.html", u"中学校公民"},
    {"rekisi1.html", u"中学校歴史（古代～江戸）"},
    {"rekisi3.html", u"中学校歴史（明治～現代）"},
    {"rika1.html", u"中学校理科１年"},
    {"rika2.html", u"中学校理科２年"},
    {"seiza.html", u"携帯★星座早見"},
}};

constexpr std::array<std::string_view, 4> kSitesThatFreeTheGuard{"prof", "fortune", "bbs.html", "sns.html"};

void FreeGuard(Phone& phone) { phone.site.GenerationGuard = 0; }

} // namespace

std::u16string TeachingPageTitle(const std::string& address) {
    std::u16string title;
    for (const auto& [page, pageTitle] : kTeachingPages)
        if (MatchesPageName(address, page)) title = pageTitle;
    return title;
}

void OnNavigateComplete(Phone& phone, const std::string& address) {
    if (OccursIn(phone.browser.CurrentAddress(), "send_spam_mail2.html")) ReactToSpamSignUpPage(phone);
    if (OccursIn(phone.browser.CurrentAddress(), "send_photo_mail.html")) ReactToPhotoMailPage(phone);
    if (MatchesPageName(address, "index.html")) {
        FreeGuard(phone);
        phone.sites.BoardShown = 0;
        phone.sites.ChatShown = 0;
    }
    for (std::string_view site : kSitesThatFreeTheGuard)
        if (MatchesPageName(address, site)) FreeGuard(phone);
    if (MatchesPageName(address, "study")) {
        // A page under "study" that is no known teaching page is no billable visit: logging it
        // under the previous event's title would charge the pupil for something else.
        const std::u16string title = TeachingPageTitle(address);
        if (!title.empty()) LogActivity(phone, title);
    }
    if (MatchesPageName(address, "risk")) {
        FreeGuard(phone);
        if (MatchesPageName(address, "send_spam_mail2.html")) LogActivity(phone, u"無料会員登録", u"登録した");
    }
    if (MatchesPageName(address, "price.html")) FreeGuard(phone);
    if (MatchesPageName(address, "number.html")) FreeGuard(phone);
}

} // namespace vq
