#include "sites/RiskPages.h"

#include "platform/Text.h"
#include "shell/Phone.h"
#include "site/ActivityLog.h"
#include "site/PageBuilder.h"

namespace vq {
namespace {

// The page that answers any click on a risky site: the exact time of the visit and the address the
// site saw, so the pupil sees what the click gave away.
void ShowWhatTheSiteSaw(Phone& phone, std::string_view templateFile, std::u16string_view logTitle,
                        std::u16string_view logDetail) {
    LoadTemplate(phone, templateFile);
    ReplaceMarker(phone, kNameMarker, TimeStampText(phone.clock.Now()));
    ReplaceMarker(phone, kMainMarker, phone.StationAddress);
    ShowResultPage(phone, "risk/tmp" + phone.StationName + "risk.html");
    LogActivity(phone, logTitle, logDetail);
}

} // namespace

// "adult21.html" is the answer "yes, I am an adult", "adult22.html" the answer "no"; both lead to
// the same page, because the site registers the visitor whatever the answer.
void ShowAdultSitePage(Phone& phone, const std::string& address) {
    const bool saidYes = MatchesPageName(address, "adult21.html");
    ShowWhatTheSiteSaw(phone, "risk/adult21.html", u"アダルトサイト", saidYes ? u"はい" : u"いいえ");
}

void ShowDatingSitePage(Phone& phone, const std::string&) {
    ShowWhatTheSiteSaw(phone, "risk/meet21.html", u"出会い系サイト", u"登録した");
}

} // namespace vq
