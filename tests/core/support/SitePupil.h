#pragma once

#include "support/Classroom.h"

#include <string>
#include <string_view>
#include <vector>

namespace vqtest {

// What a pupil does on the generated sites, in the steps the tests of those sites share.

// VirtualSiteRoot + page.
std::string VirtualPage(std::string_view page);

// Types the values into the first elements of the shown page's form and submits it to the page.
void Submit(Station& station, std::string_view page, const std::vector<std::string>& values);


} // namespace vqtest
