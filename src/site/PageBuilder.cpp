#include "site/PageBuilder.h"

#include "platform/Files.h"
#include "platform/Text.h"
#include "shell/Phone.h"

namespace vq {

void LoadTemplate(Phone& phone, std::string_view relative) {
    const std::string data = ReadAll(phone.DataPath(relative));
    std::string joined;
    joined.reserve(data.size());
    for (char c : data)
        if (c != '\r' && c != '\n') joined += c;
    phone.site.PageBuffer += ToWide(joined);
}

void ReplaceMarker(Phone& phone, std::string_view marker, std::string_view cp932Text) {
    const std::string page = ToNarrow(phone.site.PageBuffer);
    phone.site.PageBuffer = ToWide(ReplaceAllNoCase(page, marker, cp932Text));
}

namespace {

std::string PageContent(const Phone& phone) {
    std::string content = ToNarrow(phone.site.PageBuffer);
    content += "\r\n";
    return content;
}

} // namespace

void WriteResultPage(Phone& phone, std::string_view relative) { RewriteFile(phone.DataPath(relative), PageContent(phone)); }

void WriteLastingPage(Phone& phone, std::string_view relative) { ReplaceFile(phone.DataPath(relative), PageContent(phone)); }

void ShowResultPage(Phone& phone, std::string_view relative) {
    WriteResultPage(phone, relative);
    phone.Navigate(phone.DataPath(relative));
}

void PageSink::Pass() {
    constexpr std::size_t kChunk = 1 << 18;
    if (text_.size() >= kChunk) Flush();
}

void PageSink::Flush() {
    file_.Write(text_);
    text_.clear();
}

void ShowResultPageStreaming(Phone& phone, std::string_view marker, const std::function<void(PageSink&)>& fill,
                             std::string_view relative) {
    const std::string page = ToNarrow(phone.site.PageBuffer);
    const std::string path = phone.DataPath(relative);
    FileRewriter file(path);
    PageSink sink(file);
    // Occurrences are found left to right in the page as it was; the filled text is never searched.
    std::size_t pos = 0;
    for (;;) {
        const std::size_t hit = marker.empty() ? std::string::npos : FindCp932NoCase(page, marker, pos);
        sink.Text().append(page, pos, (hit == std::string::npos ? page.size() : hit) - pos);
        if (hit == std::string::npos) break;
        fill(sink);
        pos = hit + marker.size();
    }
    sink.Text() += "\r\n";
    sink.Flush();
    file.Finish();
    phone.Navigate(path);
}

void ShowFilledPage(Phone& phone, std::string_view templatePath, std::string_view cp932Text,
                    std::string_view resultPath) {
    LoadTemplate(phone, templatePath);
    ReplaceMarker(phone, kMainMarker, cp932Text);
    ShowResultPage(phone, resultPath);
}

} // namespace vq
