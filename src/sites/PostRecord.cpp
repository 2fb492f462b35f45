#include "sites/PostRecord.h"

#include "platform/Text.h"
#include "shell/Phone.h"
#include "site/RecordText.h"

namespace vq {
namespace {

constexpr std::string_view kSeparator = "#c#";

// Takes the field up to the next separator off the front of rest; the whole rest when there is none.
// A plain byte search is safe here: "#" is never the second byte of a CP932 character.
std::string_view TakeField(std::string_view& rest) {
    const std::size_t hit = rest.find(kSeparator);
    const std::string_view field = rest.substr(0, hit);
    rest = hit == std::string_view::npos ? std::string_view{} : rest.substr(hit + kSeparator.size());
    return field;
}

} // namespace

std::string PostRecord(const Phone& phone, std::u16string_view name, std::u16string_view text) {
    std::string record = phone.StationName;
    record += kSeparator;
    record += phone.StationAddress;
    record += kSeparator;
    record += TimeStampText(phone.clock.Now());
    record += kSeparator;
    record += ToNarrow(EncodeRecordText(name));
    record += kSeparator;
    record += ToNarrow(EncodeRecordText(text));
    return record;
}

bool IsPostRecord(std::string_view line) { return line.find(kSeparator) != std::string_view::npos; }

std::vector<std::string_view> PostRecordLines(std::string_view data) {
    std::vector<std::string_view> records;
    records.reserve(data.size() / 80);
    while (!data.empty()) {
        const std::size_t end = data.find('\n');
        std::string_view line = data.substr(0, end);
        data = end == std::string_view::npos ? std::string_view{} : data.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (IsPostRecord(line)) records.push_back(line);
    }
    return records;
}

std::optional<StoredPost> ParsePostRecord(std::string_view line) {
    if (!IsPostRecord(line)) return std::nullopt;
    StoredPost post;
    post.station = TakeField(line);
    TakeField(line); // address
    post.time = TakeField(line);
    post.name = TakeField(line);
    post.text = line;
    return post;
}

} // namespace vq
