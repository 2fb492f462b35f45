#include "sites/FortuneSite.h"

#include "platform/Text.h"
#include "shell/Phone.h"
#include "site/ActivityLog.h"
#include "site/HtmlText.h"
#include "site/PageBuilder.h"
#include "sites/Compatibility.h"
#include "sites/FortunePage.h"
#include "sites/StarSigns.h"
#include "sites/TrimBlanks.h"

namespace vq {
namespace {

// What the page says in place of the subject and of the answer when the pupil typed nothing.
struct MissingInput {
    std::u16string_view heading;
    std::u16string_view prompt;
};

void FillForMissingInput(Phone& phone, const MissingInput& missing) {
    ReplaceMarker(phone, kNameMarker, ToNarrow(missing.heading));
    ReplaceMarker(phone, kMainMarker, ToNarrow(missing.prompt));
}

void ShowFortunePage(Phone& phone) { phone.Navigate(phone.DataPath(FortuneResultPage(phone))); }

// The fortunes that read one field and tell the fortune of exactly what was typed.
struct OneFieldFortune {
    std::string_view templateFile;
    MissingInput missing;
    std::u16string_view logTitle;
};

void TellOneFieldFortune(Phone& phone, const OneFieldFortune& fortune) {
    LoadTemplate(phone, fortune.templateFile);
    phone.sites.FortuneSubject = phone.browser.ReadFormField(0);
    if (phone.sites.FortuneSubject.empty()) FillForMissingInput(phone, fortune.missing);
    WriteFortunePage(phone);
    ShowFortunePage(phone);
    LogActivity(phone, fortune.logTitle, phone.sites.FortuneSubject);
}

constexpr OneFieldFortune kNameFortune{
    "fortune/fortune12.html", {u"名なし", u"<br>名前を入れてください<br>"}, u"姓名占い"};
constexpr OneFieldFortune kMailAddressFortune{
    "fortune/fortune32.html", {u"メルアドなし", u"<br>メルアドを入れてください<br>"}, u"メルアド占い"};
constexpr OneFieldFortune kPhoneNumberFortune{
    "fortune/fortune42.html", {u"なし", u"<br>電話番号を入れてください<br>"}, u"電話番号占い"};

constexpr MissingInput kMissingBirthday{u"？？？", u"<br>誕生日を入れてください<br>"};
constexpr MissingInput kMissingNames{u"「？」さんと「？」さんとの相性", u"<br>名前を入れてください<br>"};

std::u16string PairHeading(std::u16string_view first, std::u16string_view second) {
    return u"「" + EscapeHtmlLines(first) + u"」さんと「" + EscapeHtmlLines(second) + u"」さんとの相性";
}

} // namespace

void NameFortune(Phone& phone, const std::string&) { TellOneFieldFortune(phone, kNameFortune); }
void MailAddressFortune(Phone& phone, const std::string&) { TellOneFieldFortune(phone, kMailAddressFortune); }
void PhoneNumberFortune(Phone& phone, const std::string&) { TellOneFieldFortune(phone, kPhoneNumberFortune); }

// Every birthday of one sign gets the same answer: the subject is the sign, not the date.
void StarSignFortune(Phone& phone, const std::string&) {
    LoadTemplate(phone, "fortune/fortune22.html");
    const std::u16string month = BirthdayPart(phone.browser.ReadFormField(0));
    const std::u16string day = BirthdayPart(phone.browser.ReadFormField(1));
    const int date = DateNumber(month, day);
    phone.sites.FortuneSubject = StarSignOf(date);
    if (date == 0) FillForMissingInput(phone, kMissingBirthday);
    WriteFortunePage(phone);
    ShowFortunePage(phone);
    LogActivity(phone, u"星座占い", month + u"月" + day + u"日");
}

// The compatibility answer uses no message: three rows of marks computed from the two names.
void CompatibilityFortune(Phone& phone, const std::string&) {
    LoadTemplate(phone, "fortune/fortune52.html");
    const std::u16string first = TrimBlanks(phone.browser.ReadFormField(0));
    const std::u16string second = TrimBlanks(phone.browser.ReadFormField(1));
    if (first.empty() && second.empty()) {
        FillForMissingInput(phone, kMissingNames);
    } else {
        phone.sites.FortuneSubject = first + second;
        const CompatibilityMarks marks = CompatibilityOf(phone.sites.FortuneSubject);
        ReplaceMarker(phone, kNameMarker, ToNarrow(PairHeading(first, second)));
        ReplaceMarker(phone, kMainMarker, ToNarrow(u"<br>" + CompatibilityRows(marks) + u"<br>"));
    }
    ShowResultPage(phone, FortuneResultPage(phone));
    LogActivity(phone, u"相性占い", first + u"、" + second);
}

} // namespace vq
