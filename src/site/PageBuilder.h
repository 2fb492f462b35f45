#pragma once

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
// Writes the page and sends the browser to it.
void ShowResultPage(Phone& phone, std::string_view relative);

// The common path of the simple page handlers: template, one text for "<!--velquinLAN-->", result.
void ShowFilledPage(Phone& phone, std::string_view templatePath, std::string_view cp932Text,
                    std::string_view resultPath);

} // namespace vq
