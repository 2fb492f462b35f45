#include "sites/Lessons.h"

#include "platform/Files.h"
#include "platform/Text.h"
#include "shell/Phone.h"
#include "site/HtmlText.h"
#include "site/PageBuilder.h"
#include "sites/ChatBubble.h"
#include "sites/PostRecord.h"
#include "sites/PostingForm.h"

namespace vq {
namespace {

// The per-station files of lesson n: prefix + n + StationName + suffix.
std::string StationFile(std::string_view prefix, int page, const Phone& phone, std::string_view suffix) {
    return std::string(prefix) + std::to_string(page) + phone.StationName + std::string(suffix);
}

std::string LessonTemplate(int page) { return "s_beginner/s_begin" + std::to_string(page) + "1.html"; }

// Only the station's last message of each lesson is kept; nothing reads it back, but the teacher can.
void KeepMessage(Phone& phone, int page, const std::u16string& message) {
    const std::string record = PostRecord(phone, u"", message) + "\r\n";
    ReplaceFile(phone.DataPath(StationFile("s_beginner/tmpData", page, phone, ".dat")), record);
}

std::string MessageBubble(const std::u16string& message) {
    std::string bubble;
    AppendOwnBubble(bubble, {}, ToNarrow(u"わたし"), ToNarrow(EscapeHtmlLines(message)));
    return bubble;
}

} // namespace

void ShowLesson(Phone& phone, const std::string&, int page) {
    std::string bubble;
    if (phone.sites.ChatShown == 1) {
        if (const auto form = ReadPostingForm(phone, 1)) {
            const std::u16string& message = (*form)[0];
            if (!message.empty()) KeepMessage(phone, page, message);
            bubble = MessageBubble(message);
        }
    }
    LoadTemplate(phone, LessonTemplate(page));
    ReplaceMarker(phone, kMainMarker, bubble);
    ShowResultPage(phone, StationFile("s_beginner/tmp", page, phone, "sns.html"));
    phone.sites.ChatShown = 1;
}

} // namespace vq
