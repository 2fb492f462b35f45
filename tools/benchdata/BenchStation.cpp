#include "BenchStation.h"

#include "site/VirtualSite.h"

namespace vq::bench {

BenchStation::BenchStation(const std::filesystem::path& classroom, const std::string& name, const std::string& address)
    : system(classroom.string(), name, address), phone(PhoneServices{browser, clock, errors, system, nullptr, 1}) {
    phone.DataRoot = classroom.string() + "/data/";
    phone.StationName = name;
    phone.StationAddress = address;
}

void BenchStation::Visit(PageHandler handler, const std::string& page) {
    phone.site.GenerationGuard = 1;
    phone.site.PageBuffer.clear();
    handler(phone, std::string(VirtualSiteRoot) + page);
    phone.sites.BoardShown = 0;
    phone.sites.ChatShown = 0;
}

} // namespace vq::bench
