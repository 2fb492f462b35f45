#pragma once

#include "sites/profile/ProfileListing.h"
#include "sites/profile/ProfileRows.h"

#include <string>
#include <string_view>

namespace vq {
class Phone;

// The steps the profile pages share.

// The station's result page of the profile site, relative to DataRoot.
[[nodiscard]] std::string ProfileResultPage(const Phone& phone);

// The list pages: a template with a row for every stored profile in the given order. A list without
// profiles leaves the view lists' "<!--velquinLAN-->" in place (it shows nothing either way).
void ShowProfileList(Phone& phone, std::string_view templatePath, ProfileOrder order, ProfileLink link);

// Reads a template into PageBuffer with the picture of ProfilePicture at "<!--velquinName-->" and
// rows at "<!--velquinLAN-->".
void FillProfileTemplate(Phone& phone, std::string_view templatePath, std::u16string_view rows);

// Takes the answer of every used question slot from the form shown (slot i from element i + 1). A
// profile always has a name: an empty one becomes "名無し" and a number from 100 to 998.
void ReadProfileAnswers(Phone& phone);

// Writes the profile's data file, base counter file and stored page under id, then shows the
// confirmation template with the answers and logs the detail under "プロフ". The view files stay,
// so an edited profile keeps its count.
void PublishProfile(Phone& phone, std::string_view confirmationTemplate, const std::string& id,
                    std::u16string_view logDetail);

} // namespace vq
