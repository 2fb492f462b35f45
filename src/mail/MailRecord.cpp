#include "mail/MailRecord.h"

#include "mail/PhotoMarker.h"
#include "platform/Text.h"
#include "site/RecordText.h"

#include <array>

namespace vq {
namespace {

constexpr std::size_t kFieldCount = 6;

// The first five fields, then the rest of the line as the sixth; fields a short line lacks stay empty.
std::array<std::u16string, kFieldCount> SplitMailFields(std::u16string_view line) {
    std::array<std::u16string, kFieldCount> fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i + 1 < kFieldCount; ++i) {
        const std::size_t hit = line.find(kFieldSeparator, start);
        if (hit == std::u16string_view::npos) {
            fields[i] = line.substr(start);
            return fields;
        }
        fields[i] = line.substr(start, hit - start);
        start = hit + kFieldSeparator.size();
    }
    fields[kFieldCount - 1] = line.substr(start);
    return fields;
}

} // namespace

std::string FormatMailRecord(const MailRecord& r) {
    std::u16string line = ToWide(r.sender + "#c#" + r.senderAddress + "#c#" + r.sentAt + "#c#");
    for (const std::u16string* field : {&r.recipient, &r.subject}) {
        line += *field;
        line += kFieldSeparator;
    }
    line += r.body;
    return ToNarrow(line);
}

MailRecord ParseStoredMailRecord(std::string_view line) {
    auto fields = SplitMailFields(ToWide(line));
    return {ToNarrow(fields[0]), ToNarrow(fields[1]), ToNarrow(fields[2]),
            std::move(fields[3]), std::move(fields[4]), std::move(fields[5])};
}

MailEntry ParseMailRecord(std::string_view line) {
    const auto fields = SplitMailFields(ToWide(line));
    MailBody body = ReadStoredMailBody(fields[5]);
    return {fields[0], fields[2], DecodeRecordText(fields[4]), std::move(body.text), std::move(body.photo)};
}

} // namespace vq
