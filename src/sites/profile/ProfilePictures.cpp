#include "sites/profile/ProfilePictures.h"

#include "platform/Files.h"
#include "platform/Jpeg.h"
#include "platform/PlatformError.h"
#include "platform/Text.h"
#include "shell/Phone.h"

namespace vq {
namespace {

std::u16string WithSlashes(std::u16string_view path) {
    std::u16string out(path);
    for (char16_t& c : out)
        if (c == u'\\') c = u'/';
    return out;
}

std::u16string Removed(std::u16string_view text, std::u16string_view part) { return ReplaceAllNoCase(text, part, u""); }

// The picture path when that file exists in the data folder, else the fallback.
std::u16string ExistingOrFallback(const Phone& phone, const std::u16string& path) {
    return FileExists(phone.DataPath(ToNarrow(path))) ? path : std::u16string(kFallbackPicture);
}

// Every visit of the profile would have the browser decode the picture: one whose header claims more
// than a photo can be (a few kilobytes can claim 65488 x 65488, gigabytes decoded) is no picture for a
// profile. A header that cannot be read is the browser's to show as broken, as before.
bool ClaimsTooMuch(const std::string& path) {
    try {
        return Exceeds(JpegSize(ReadAll(path)), kLargestPhoto);
    } catch (const PlatformError&) {
        return false;
    }
}

std::u16string PhotoOrFallback(const Phone& phone, const std::u16string& path) {
    const std::string file = phone.DataPath(ToNarrow(path));
    return FileExists(file) && !ClaimsTooMuch(file) ? path : std::u16string(kFallbackPicture);
}

} // namespace

std::u16string ResolveProfilePicture(const Phone& phone, std::u16string_view typed) {
    std::u16string code(typed);
    if (code.empty()) code = u"0";
    if (code.size() == 1) code = u"0" + code;
    // A code names a file inside its folder, never one elsewhere in the data folder.
    if (code.find_first_of(u"/\\") != std::u16string::npos) return std::u16string(kFallbackPicture);
    if (code.size() > 2) return PhotoOrFallback(phone, u"mail_photo/" + code + u".jpg");
    return ExistingOrFallback(phone, u"prof/illustration/illustration" + code + u".jpg");
}

std::u16string PictureCodeOf(std::u16string_view picturePath) {
    std::u16string code = WithSlashes(picturePath);
    code = Removed(code, u"prof/illustration/illustration0");
    code = Removed(code, u"prof/illustration/illustration");
    code = Removed(code, u"mail_photo/");
    return Removed(code, u".jpg");
}

std::u16string PictureCodeOfPhoto(std::u16string_view currentPhoto) {
    std::u16string code = Removed(WithSlashes(currentPhoto), u".jpg");
    code = Removed(code, u"prof/illustration/");
    return Removed(code, u"mail_photo/");
}

} // namespace vq
