#include "shell/StationRefusal.h"

#include "platform/PlatformError.h"
#include "platform/Text.h"
#include "shell/Phone.h"

#include <string>
#include <string_view>

namespace vq {
namespace {

// What the pupil is told when the phone cannot be this station, and how to go on.
constexpr std::string_view kCloseAndRestart =
    "電源ボタンで閉じ、パソコンの名前か VELQUINLAN_STATION を変えてから起動し直してください。";

// Characters a message box cannot show as they are.
std::string Shown(const std::string& name) {
    std::string shown = Cp932ToUtf8(name);
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return shown;
}

[[noreturn]] void RefuseStation(Phone& phone, const std::string& message) {
    phone.shell.StationRefused = true;
    phone.window.Timer1.Enabled = false;
    throw PlatformError(message);
}

} // namespace

void RefuseUnusableName(Phone& phone) {
    if (phone.StationName.empty()) RefuseStation(phone, "端末名がありません。" + std::string(kCloseAndRestart));
    RefuseStation(phone, "この端末名（" + Shown(phone.StationName) +
                             "）は使えません。端末名には「/」「\\」「,」「:」「*」「?」「\"」「<」「>」「|」"
                             "「#c#」「..」や制御文字は入れられません。「All」「全員」「spam_Mail」「send_Photo_Mail」は"
                             "メールの特別な宛先なので、大文字と小文字を変えても使えません。" +
                             std::string(kCloseAndRestart));
}

void RefuseNameInUse(Phone& phone) {
    RefuseStation(phone, "この端末名（" + Shown(phone.StationName) +
                             "）はすでに使われています。同じ名前の端末が、このパソコンかほかのパソコンでもう動いて"
                             "います。動いている方の端末を使ってください。別の端末として使うときは、この端末を" +
                             std::string(kCloseAndRestart));
}

} // namespace vq
