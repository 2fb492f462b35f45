#pragma once

#include <string>

namespace vq {
class Phone;

// The risk pages show the pupil what a visit gives away.
void ShowAdultSitePage(Phone& phone, const std::string& address);
void ShowDatingSitePage(Phone& phone, const std::string& address);

} // namespace vq
