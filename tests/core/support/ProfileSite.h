#pragma once

#include "support/Classroom.h"
#include "support/SitePupil.h"

#include <string>
#include <vector>

namespace vqtest {

// Small profile templates whose filled pages are easy to read in expectations, and three
// questions: the password (slot 0), the name (slot 1) and a hobby (slot 2).
void WriteProfileTemplates(const Classroom& classroom);

// A pupil creates a profile through the pages: the creation form, the answers, publish.
void CreateProfile(Station& station, const std::string& password, const std::string& name,
                   const std::string& hobby);


// The names shown in the rows of the station's result page, in order.
std::vector<std::string> ListedNames(const Classroom& classroom, const std::string& station);
// The view counts shown in the rows of the station's result page, in order.
std::vector<int> ListedCounts(const Classroom& classroom, const std::string& station);

} // namespace vqtest
