#include "sites/RiskPages.h"

// This site is not built yet: its pages run nothing.
namespace vq {

void ShowAdultSitePage(Phone&, const std::string&) {}
void ShowDatingSitePage(Phone&, const std::string&) {}

} // namespace vq
