#include "platform/SystemInfo.h"

#include "platform/NativePath.h"
#include "platform/Text.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <filesystem>

namespace vq {
namespace {

constexpr int kLongestStationName = 15;
constexpr int kKeptOfALongName = 10;

// Byte offset after the first n characters of name.
std::size_t CharactersEnd(std::string_view name, int n) {
    std::size_t end = 0;
    for (int characters = 0; characters < n && end < name.size(); ++characters) end += Cp932CharWidth(name, end);
    return end;
}

// Four letters or digits from a hash of the bytes (32-bit FNV-1a): the same on every computer.
std::string HashTag(std::string_view name) {
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : name) hash = (hash ^ c) * 16777619u;
    static constexpr std::string_view kDigits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string tag;
    for (int i = 0; i < 4; ++i) {
        tag += kDigits[hash % kDigits.size()];
        hash /= static_cast<std::uint32_t>(kDigits.size());
    }
    return tag;
}

} // namespace

std::string StationNameFrom(const std::string& computerName) {
    const std::string name = computerName.substr(0, computerName.find('.'));
    if (CharactersEnd(name, kLongestStationName) == name.size()) return name;
    return name.substr(0, CharactersEnd(name, kKeptOfALongName)) + "~" + HashTag(name);
}

bool IsUsableStationName(std::string_view name) {
    if (name.empty() || FindCp932(name, "#c#") != std::string_view::npos || FindCp932(name, "..") != std::string_view::npos)
        return false;
    if (ToWide(name).find(u'\uFFFD') != std::u16string::npos) return false; // bytes that are no text
    for (std::size_t i = 0; i < name.size(); i += Cp932CharWidth(name, i)) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c < 0x20 || c == 0x7F) return false;
        if (Cp932CharWidth(name, i) == 1 && std::string_view("/\\,:*?\"<>|").find(name[i]) != std::string_view::npos)
            return false;
    }
    return true;
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
