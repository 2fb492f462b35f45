#include "Script.h"

#include <charconv>

namespace vqsim {

std::vector<Command> ParseScript(std::string_view text) {
    std::vector<Command> commands;
    int number = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string line(text.substr(start, end - start));
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        Command c;
        c.line = number;
        c.rest = line;
        c.word = TakeWord(c.rest);
        commands.push_back(std::move(c));
        if (end == text.size()) break;
    }
    return commands;
}

std::string TakeWord(std::string& rest) {
    const std::size_t blank = rest.find(' ');
    std::string word = rest.substr(0, blank);
    rest = blank == std::string::npos ? std::string() : rest.substr(blank + 1);
    return word;
}

std::string UnescapeText(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == '\\')) {
            out += text[i + 1] == 'n' ? '\n' : '\\';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

int ParseInt(const std::string& word, const char* what) {
    int value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size())
        throw ScriptError(std::string(what) + " must be a whole number, not \"" + word + "\"");
    return value;
}

} // namespace vqsim
