#pragma once

#include <string>
#include <string_view>

namespace vq {

// A mail body with a photo ends in the marker and the photo's file name: Hello{Photo}PC01134512.jpg.
inline constexpr std::u16string_view PhotoMarker = u"{Photo}";

// The body field of a mail record: the typed text in record form, then the marker and the photo's
// name when a photo is attached. A "{Photo}" typed into the text is stored as "{\Photo}", so that
// only the camera or a reply ever attaches a photo.
[[nodiscard]] std::u16string StoredMailBody(std::u16string_view typed, std::u16string_view photo);

struct MailBody {
    std::u16string text;  // as the pupil typed it
    std::u16string photo; // the photo's file name; empty without a photo
};

// Reads a body field: the last marker starts the photo's name, the text before it is decoded. A body
// stored before typed markers were encoded reads as it always did.
[[nodiscard]] MailBody ReadStoredMailBody(std::u16string_view stored);

} // namespace vq
