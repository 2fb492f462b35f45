#include "platform/fake/FormParser.h"

#include "platform/Text.h"

#include <cctype>
#include <map>

namespace vq {
namespace {

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::size_t FindNoCase(std::string_view text, std::string_view needle, std::size_t from) {
    const std::string lowered = Lower(text.substr(from));
    const std::size_t hit = lowered.find(Lower(needle));
    return hit == std::string::npos ? std::string_view::npos : from + hit;
}

std::u16string DecodeEntities(std::string_view cp932) {
    const std::u16string wide = ToWide(cp932);
    std::u16string out;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        if (wide[i] != u'&') {
            out += wide[i];
            continue;
        }
        const std::size_t semi = wide.find(u';', i);
        if (semi == std::u16string::npos || semi - i > 10) {
            out += wide[i];
            continue;
        }
        const std::u16string name = wide.substr(i + 1, semi - i - 1);
        char16_t c = 0;
        if (name == u"amp") c = u'&';
        else if (name == u"lt") c = u'<';
        else if (name == u"gt") c = u'>';
        else if (name == u"quot") c = u'"';
        else if (name == u"apos") c = u'\'';
        else if (name == u"nbsp") c = u'\u00A0';
        else if (name.size() > 1 && name[0] == u'#') {
            const std::string digits = WideToUtf8(name.substr(1));
            try {
                c = static_cast<char16_t>(digits[0] == 'x' || digits[0] == 'X' ? std::stoul(digits.substr(1), nullptr, 16)
                                                                              : std::stoul(digits));
            } catch (...) {
                c = 0;
            }
        }
        if (c == 0) {
            out += wide[i];
            continue;
        }
        out += c;
        i = semi;
    }
    return out;
}

struct Tag {
    std::string name;                          // lower case, "/name" for a closing tag
    std::map<std::string, std::string> attrs;  // lower-case names, raw CP932 values
    std::size_t end = 0;                       // offset just past ">"
};

std::optional<Tag> ReadTag(std::string_view html, std::size_t lt) {
    Tag tag;
    std::size_t i = lt + 1;
    const std::size_t nameStart = i;
    while (i < html.size() && !std::isspace(static_cast<unsigned char>(html[i])) && html[i] != '>') ++i;
    tag.name = Lower(html.substr(nameStart, i - nameStart));
    while (i < html.size() && html[i] != '>') {
        while (i < html.size() && (std::isspace(static_cast<unsigned char>(html[i])) || html[i] == '/')) ++i;
        const std::size_t attrStart = i;
        while (i < html.size() && html[i] != '=' && html[i] != '>' && !std::isspace(static_cast<unsigned char>(html[i])))
            ++i;
        std::string attr = Lower(html.substr(attrStart, i - attrStart));
        while (i < html.size() && std::isspace(static_cast<unsigned char>(html[i]))) ++i;
        std::string value;
        if (i < html.size() && html[i] == '=') {
            ++i;
            while (i < html.size() && std::isspace(static_cast<unsigned char>(html[i]))) ++i;
            if (i < html.size() && (html[i] == '"' || html[i] == '\'')) {
                const char quote = html[i++];
                const std::size_t close = html.find(quote, i);
                if (close == std::string_view::npos) return std::nullopt;
                value = html.substr(i, close - i);
                i = close + 1;
            } else {
                const std::size_t valueStart = i;
                while (i < html.size() && html[i] != '>' && !std::isspace(static_cast<unsigned char>(html[i]))) ++i;
                value = html.substr(valueStart, i - valueStart);
            }
        }
        if (!attr.empty()) tag.attrs.emplace(attr, value);
    }
    if (i >= html.size()) return std::nullopt;
    tag.end = i + 1;
    return tag;
}

std::u16string Trimmed(std::u16string text) {
    const auto isSpace = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; };
    while (!text.empty() && isSpace(text.back())) text.pop_back();
    std::size_t start = 0;
    while (start < text.size() && isSpace(text[start])) ++start;
    return text.substr(start);
}

// The value of a select: the selected option's, else the first option's.
std::u16string SelectValue(std::string_view html, std::size_t from, std::size_t& end) {
    const std::size_t close = FindNoCase(html, "</select", from);
    end = close == std::string_view::npos ? html.size() : close;
    std::optional<std::u16string> first;
    std::optional<std::u16string> selected;
    std::size_t i = from;
    while ((i = FindNoCase(html.substr(0, end), "<option", i)) != std::string_view::npos) {
        const auto tag = ReadTag(html, i);
        if (!tag) break;
        std::u16string value;
        if (auto v = tag->attrs.find("value"); v != tag->attrs.end()) {
            value = DecodeEntities(v->second);
        } else {
            std::size_t textEnd = html.find('<', tag->end);
            if (textEnd == std::string_view::npos || textEnd > end) textEnd = end;
            value = Trimmed(DecodeEntities(html.substr(tag->end, textEnd - tag->end)));
        }
        if (!first) first = value;
        if (!selected && tag->attrs.count("selected")) selected = value;
        i = tag->end;
    }
    return selected ? *selected : first.value_or(u"");
}

} // namespace

std::optional<std::vector<std::u16string>> ParseFirstForm(std::string_view html) {
    std::size_t i = FindNoCase(html, "<form", 0);
    if (i == std::string_view::npos) return std::nullopt;
    const std::size_t formEnd = [&] {
        const std::size_t close = FindNoCase(html, "</form", i);
        return close == std::string_view::npos ? html.size() : close;
    }();
    std::vector<std::u16string> values;
    while ((i = html.find('<', i + 1)) != std::string_view::npos && i < formEnd) {
        const auto tag = ReadTag(html, i);
        if (!tag) break;
        if (tag->name == "input" || tag->name == "button") {
            const auto value = tag->attrs.find("value");
            const auto type = tag->attrs.find("type");
            const bool check = type != tag->attrs.end() && (Lower(type->second) == "checkbox" || Lower(type->second) == "radio");
            values.push_back(value != tag->attrs.end() ? DecodeEntities(value->second) : (check ? u"on" : u""));
        } else if (tag->name == "textarea") {
            std::size_t close = FindNoCase(html, "</textarea", tag->end);
            if (close == std::string_view::npos) close = formEnd;
            std::u16string text = DecodeEntities(html.substr(tag->end, close - tag->end));
            if (!text.empty() && text[0] == u'\n') text.erase(0, 1);
            values.push_back(text);
            i = close;
            continue;
        } else if (tag->name == "select") {
            std::size_t end = 0;
            values.push_back(SelectValue(html, tag->end, end));
            i = end;
            continue;
        }
        i = tag->end - 1;
    }
    return values;
}

} // namespace vq
