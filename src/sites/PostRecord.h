#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vq {
class Phone;

// The record of one post, shared by the board, the timeline and the lesson message files:
// station "#c#" address "#c#" time stamp "#c#" name "#c#" text, one CP932 line. Name and text are
// stored encoded, so a typed line break or "#c#" stays inside its field and its line.
std::string PostRecord(const Phone& phone, std::u16string_view name, std::u16string_view text);

// The fields of a stored post as they lie in the file (CP932, still encoded). Views into the line.
struct StoredPost {
    std::string_view station;
    std::string_view time;
    std::string_view name;
    std::string_view text; // everything after the fourth separator, further separators included
};

// A line is a record when it holds "#c#"; others are the empty first line of a new file, or a
// continuation line of a text written before line breaks were encoded.
bool IsPostRecord(std::string_view line);

// The lines of a post file's content that are records, in file order, as views into data.
std::vector<std::string_view> PostRecordLines(std::string_view data);

// nullopt for a line that is no record. Missing fields are empty.
std::optional<StoredPost> ParsePostRecord(std::string_view line);

} // namespace vq
