#pragma once

#include "platform/Files.h"

#include <functional>
#include <string>
#include <string_view>

namespace vq {
class Phone;

// Every generated page is made the same way: a template from the data folder into PageBuffer, its
// markers replaced, the result written to the station's own result page and shown.

inline constexpr std::string_view kNameMarker = "<!--velquinName-->";
inline constexpr std::string_view kMainMarker = "<!--velquinLAN-->";
inline constexpr std::string_view kSecondMarker = "<!--velquinLAN2-->";

// Appends the lines of DataRoot + relative to PageBuffer with their line ends dropped.
void LoadTemplate(Phone& phone, std::string_view relative);
// Replaces every occurrence of marker in PageBuffer (any letter case) by the CP932 text.
void ReplaceMarker(Phone& phone, std::string_view marker, std::string_view cp932Text);
// Writes PageBuffer + CR LF to DataRoot + relative, without showing it.
void WriteResultPage(Phone& phone, std::string_view relative);
// The same for a page that lasts (a stored profile page): whole or not at all (see ReplaceFile).
void WriteLastingPage(Phone& phone, std::string_view relative);
// Writes the page and sends the browser to it.
void ShowResultPage(Phone& phone, std::string_view relative);

// A large marker text on its way into the result page: the producer appends to Text() and calls
// Pass() after each piece; once enough has piled up it is written out, so a page of a hundred
// thousand posts is never held in memory whole.
class PageSink {
public:
    explicit PageSink(FileRewriter& file) : file_(file) {}
    std::string& Text() { return text_; }
    void Pass();
    void Flush();

private:
    FileRewriter& file_;
    std::string text_;
};

// The last step of a page whose main text is very large: the page in PageBuffer is written with fill
// producing the text of every occurrence of marker (any letter case) straight into the file, and
// then shown. The text never passes through PageBuffer's UTF-16, so PageBuffer keeps the page as it
// was before this marker.
void ShowResultPageStreaming(Phone& phone, std::string_view marker, const std::function<void(PageSink&)>& fill,
                             std::string_view relative);

// The common path of the simple page handlers: template, one text for "<!--velquinLAN-->", result.
void ShowFilledPage(Phone& phone, std::string_view templatePath, std::string_view cp932Text,
                    std::string_view resultPath);

} // namespace vq
