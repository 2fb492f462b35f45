#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vqsim {

// A mistake in a script: its message says why; the line number is added by the caller.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One script line split into its command word and the rest.
struct Command {
    int line = 0;
    std::string word;
    std::string rest; // everything after the one blank that follows the word
};

// The command lines of a script: blank lines and lines starting with "#" are left out.
std::vector<Command> ParseScript(std::string_view text);

// Splits off the next blank-separated word of rest; rest keeps what follows the one blank after it.
std::string TakeWord(std::string& rest);

// TEXT as written in a script: "\n" stands for a line break and "\\" for a backslash.
std::string UnescapeText(std::string_view text);

int ParseInt(const std::string& word, const char* what);

} // namespace vqsim
