#include "sites/FortunePage.h"

#include "platform/Files.h"
#include "platform/Text.h"
#include "shell/Phone.h"
#include "site/HtmlText.h"
#include "site/PageBuilder.h"
#include "sites/CharCodeSum.h"

namespace vq {
namespace {

constexpr int kMessageCount = 85;

// Line k of the message file, counted from 1, as CP932 text.
std::string MessageLine(const Phone& phone, std::int64_t k) {
    const std::vector<std::string> lines = ReadLines(phone.DataPath("fortune/message.txt"));
    return k <= static_cast<std::int64_t>(lines.size()) ? lines[static_cast<std::size_t>(k - 1)] : std::string();
}

} // namespace

std::string FortuneResultPage(const Phone& phone) { return "fortune/tmp" + phone.StationName + "fortune.html"; }

void WriteFortunePage(Phone& phone) {
    const std::u16string& subject = phone.sites.FortuneSubject;
    if (!subject.empty()) {
        const std::int64_t k = CharCodeSum(subject) % kMessageCount + 1;
        const std::string message = MessageLine(phone, k);
        ReplaceMarker(phone, kNameMarker, ToNarrow(EscapeHtmlLines(subject)));
        // The message file is data like any other shared file: what a line holds shows as text.
        ReplaceMarker(phone, kMainMarker, "<br>" + ToNarrow(EscapeHtml(ToWide(message))) + "<br>");
    }
    WriteResultPage(phone, FortuneResultPage(phone));
}

} // namespace vq
