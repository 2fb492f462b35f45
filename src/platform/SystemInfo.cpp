#include "platform/SystemInfo.h"

#include "platform/NativePath.h"
#include "platform/Text.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>

namespace vq {

std::string StationNameFrom(const std::string& computerName) {
    const std::string name = computerName.substr(0, computerName.find('.'));
    // Fifteen characters, never cutting a double-byte one in half.
    std::size_t end = 0;
    for (int characters = 0; characters < 15 && end < name.size(); ++characters)
        end += IsLeadByte(static_cast<unsigned char>(name[end])) && end + 1 < name.size() ? 2 : 1;
    return name.substr(0, end);
}

std::string HostSystemInfo::CurrentDirectory() const {
    std::string dir = FromNativeName(std::filesystem::current_path().string());
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    return dir;
}

std::string HostSystemInfo::ComputerName() const {
    if (const char* station = std::getenv("VELQUINLAN_STATION"); station && *station) return FromNativeName(station);
    char host[HOST_NAME_MAX + 1] = {};
    if (::gethostname(host, sizeof host - 1) != 0) return "PC";
    return host;
}

std::string HostSystemInfo::LocalAddress() const {
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) == 0) {
        std::string found;
        for (ifaddrs* a = list; a && found.empty(); a = a->ifa_next) {
            if (!a->ifa_addr || a->ifa_addr->sa_family != AF_INET) continue;
            if (!(a->ifa_flags & IFF_UP) || (a->ifa_flags & IFF_LOOPBACK)) continue;
            char text[INET_ADDRSTRLEN] = {};
            const auto* in = reinterpret_cast<const sockaddr_in*>(a->ifa_addr);
            if (::inet_ntop(AF_INET, &in->sin_addr, text, sizeof text)) found = text;
        }
        ::freeifaddrs(list);
        if (!found.empty()) return found;
    }
    char host[HOST_NAME_MAX + 1] = {};
    if (::gethostname(host, sizeof host - 1) == 0) {
        addrinfo hints{};
        hints.ai_family = AF_INET;
        addrinfo* result = nullptr;
        if (::getaddrinfo(host, nullptr, &hints, &result) == 0 && result) {
            char text[INET_ADDRSTRLEN] = {};
            const auto* in = reinterpret_cast<const sockaddr_in*>(result->ai_addr);
            std::string address = ::inet_ntop(AF_INET, &in->sin_addr, text, sizeof text) ? text : "";
            ::freeaddrinfo(result);
            if (!address.empty()) return address;
        }
    }
    return "127.0.0.1";
}

} // namespace vq
