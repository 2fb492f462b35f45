#include "support/SitePupil.h"

#include "site/VirtualSite.h"

#include <sstream>

namespace vqtest {

std::string VirtualPage(std::string_view page) { return std::string(vq::VirtualSiteRoot) + std::string(page); }

void Submit(Station& station, std::string_view page, const std::vector<std::string>& values) {
    for (std::size_t k = 0; k < values.size(); ++k) station.Fill(static_cast<int>(k), values[k]);
    station.Open(VirtualPage(page));
}

} // namespace vqtest
