#include "sites/profile/ProfileIndex.h"

#include "platform/FileState.h"
#include "platform/PosixIo.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <random>

namespace vq {
namespace {

constexpr std::string_view kHeaderName = "velquinlan-profile-index\t1\t";
constexpr char kSeparator = '\t';
constexpr std::string_view kEnd = ".";

struct KindName {
    ProfileIndexEvent::Kind kind;
    std::string_view name;
};
constexpr std::array<KindName, 5> kKindNames{{{ProfileIndexEvent::Kind::Saved, "saved"},
                                              {ProfileIndexEvent::Kind::Deleted, "deleted"},
                                              {ProfileIndexEvent::Kind::CounterWritten, "counter"},
                                              {ProfileIndexEvent::Kind::Unreadable, "unreadable"},
                                              {ProfileIndexEvent::Kind::Settled, "settled"}}};

std::string_view NameOf(ProfileIndexEvent::Kind kind) {
    return std::find_if(kKindNames.begin(), kKindNames.end(), [&](const KindName& k) { return k.kind == kind; })->name;
}

std::optional<ProfileIndexEvent::Kind> KindOf(std::string_view name) {
    const auto found = std::find_if(kKindNames.begin(), kKindNames.end(), [&](const KindName& k) { return k.name == name; });
    if (found == kKindNames.end()) return std::nullopt;
    return found->kind;
}

void AppendField(std::string& line, std::string_view bytes) {
    line += kSeparator;
    for (const char c : bytes) {
        switch (c) {
        case '%': line += "%25"; break;
        case '\t': line += "%09"; break;
        case '\r': line += "%0D"; break;
        case '\n': line += "%0A"; break;
        default: line += c;
        }
    }
}

std::optional<std::string> DecodeField(std::string_view field) {
    std::string bytes;
    bytes.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '%') {
            bytes += field[i];
            continue;
        }
        if (i + 2 >= field.size()) return std::nullopt;
        unsigned value = 0;
        const auto [end, error] = std::from_chars(field.data() + i + 1, field.data() + i + 3, value, 16);
        if (error != std::errc() || end != field.data() + i + 3) return std::nullopt;
        bytes += static_cast<char>(value);
        i += 2;
    }
    return bytes;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find(kSeparator, start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

std::optional<std::int64_t> ParseNumber(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::int64_t FolderTime(const std::string& dataRoot, const char* folder) {
    const std::string path = dataRoot + folder;
    const auto time = FolderLastWriteNs(path);
    if (!time) posix::Fail("フォルダを開けません", path, ENOENT);
    return *time;
}

// Fields after the kind and the three times, up to the end mark.
bool ParsePayload(ProfileIndexEvent& event, const std::vector<std::string>& payload) {
    switch (event.kind) {
    case ProfileIndexEvent::Kind::Saved: {
        if (payload.size() < 4) return false;
        const auto stamp = ParseNumber(payload[1]);
        if (!stamp || payload[0].empty()) return false;
        event.profile = {payload[0], *stamp, payload[2], payload[3], {payload.begin() + 4, payload.end()}};
        return true;
    }
    case ProfileIndexEvent::Kind::Deleted:
    case ProfileIndexEvent::Kind::CounterWritten:
        if (payload.size() != 1 || payload[0].empty()) return false;
        event.name = payload[0];
        return true;
    case ProfileIndexEvent::Kind::Unreadable:
        if (payload.size() != 2 || payload[0].empty()) return false;
        event.name = payload[0];
        event.message = payload[1];
        return true;
    case ProfileIndexEvent::Kind::Settled: return payload.empty();
    }
    return false;
}

} // namespace

bool ProfileFolderTimes::Covers(const ProfileFolderTimes& observed) const {
    return observed.pages <= pages && observed.data <= data && observed.counters <= counters;
}

void ProfileFolderTimes::Raise(const ProfileFolderTimes& other) {
    pages = std::max(pages, other.pages);
    data = std::max(data, other.data);
    counters = std::max(counters, other.counters);
}

ProfileFolderTimes StatProfileFolders(const std::string& dataRoot, ProfileFolderSet folders) {
    return {folders.pages ? FolderTime(dataRoot, "prof_html") : 0, folders.data ? FolderTime(dataRoot, "prof_edit") : 0,
            folders.counters ? FolderTime(dataRoot, "prof_counter") : 0};
}

ProfileFolderSet FoldersTouchedBy(ProfileIndexEvent::Kind kind) {
    switch (kind) {
    case ProfileIndexEvent::Kind::Deleted: return {true, false, false};
    case ProfileIndexEvent::Kind::CounterWritten: return {false, false, true};
    case ProfileIndexEvent::Kind::Saved:
    case ProfileIndexEvent::Kind::Unreadable:
    case ProfileIndexEvent::Kind::Settled: break;
    }
    return kAllProfileFolders;
}

std::string NewProfileIndexHeader() {
    std::random_device random;
    char generation[17];
    std::snprintf(generation, sizeof generation, "%08x%08x", random(), random());
    return std::string(kHeaderName) + generation + "\r\n";
}

std::string_view ProfileIndexHeader(std::string_view content) {
    const std::size_t end = content.find("\r\n");
    if (!content.starts_with(kHeaderName) || end == std::string_view::npos) return {};
    return content.substr(0, end + 2);
}

std::string FormatProfileIndexLine(const ProfileIndexEvent& event) {
    std::string line(NameOf(event.kind));
    for (const ProfileFolderTimes* times : {&event.before, &event.after})
        for (const std::int64_t time : {times->pages, times->data, times->counters}) AppendField(line, std::to_string(time));
    switch (event.kind) {
    case ProfileIndexEvent::Kind::Saved:
        AppendField(line, event.profile.id);
        AppendField(line, std::to_string(event.profile.stampNs));
        AppendField(line, event.profile.picture);
        AppendField(line, event.profile.name);
        for (const std::string& answer : event.profile.furtherAnswers) AppendField(line, answer);
        break;
    case ProfileIndexEvent::Kind::Deleted:
    case ProfileIndexEvent::Kind::CounterWritten: AppendField(line, event.name); break;
    case ProfileIndexEvent::Kind::Unreadable:
        AppendField(line, event.name);
        AppendField(line, event.message);
        break;
    case ProfileIndexEvent::Kind::Settled: break;
    }
    AppendField(line, kEnd);
    return line;
}

std::optional<ProfileIndexEvent> ParseProfileIndexLine(std::string_view line) {
    constexpr std::size_t kTimeFields = 6;
    const std::vector<std::string_view> fields = SplitFields(line);
    if (fields.size() < 2 + kTimeFields || fields.back() != kEnd) return std::nullopt;
    const auto kind = KindOf(fields[0]);
    if (!kind) return std::nullopt;
    std::int64_t times[kTimeFields];
    for (std::size_t i = 0; i < kTimeFields; ++i) {
        const auto time = ParseNumber(fields[1 + i]);
        if (!time) return std::nullopt;
        times[i] = *time;
    }
    ProfileIndexEvent event;
    event.kind = *kind;
    event.before = {times[0], times[1], times[2]};
    event.after = {times[3], times[4], times[5]};
    std::vector<std::string> payload;
    for (std::size_t i = 1 + kTimeFields; i + 1 < fields.size(); ++i) {
        auto decoded = DecodeField(fields[i]);
        if (!decoded) return std::nullopt;
        payload.push_back(std::move(*decoded));
    }
    if (!ParsePayload(event, payload)) return std::nullopt;
    return event;
}

} // namespace vq
