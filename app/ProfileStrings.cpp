#include "app/ProfileStrings.h"

#include <optional>
#include <vector>

#include "app/FileIO.h"
#include "engine/Letters.h"

namespace vellumar {

namespace {

// Ctrl-Z counts as a blank: old editors ended text files with it.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n' || c == '\x1A';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && LowerString(a) == LowerString(b);
}

// One line of the file as it stands, with what it means.
struct Line {
    std::string_view text;     // without its line break
    std::string_view ending;   // "\r\n", "\r", "\n" or "" for a last line without one
    enum Kind { Other, Section, Key } kind = Other;
    std::string_view name;     // section or key name
    std::string_view value;    // key lines only
};

std::vector<Line> ParseLines(std::string_view content) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = start;
        while (end < content.size() && content[end] != '\r' && content[end] != '\n') ++end;
        std::size_t next = end;
        if (next < content.size()) next += (content[next] == '\r' && next + 1 < content.size() &&
                                            content[next + 1] == '\n') ? 2 : 1;
        Line line;
        line.text = content.substr(start, end - start);
        line.ending = content.substr(end, next - end);
        const std::string_view body = Trim(line.text);
        const std::size_t close = body.rfind(']');
        if (!body.empty() && body.front() == '[' && close != std::string_view::npos) {
            line.kind = Line::Section;
            line.name = body.substr(1, close - 1);
        } else if (const std::size_t eq = body.find('='); eq != std::string_view::npos) {
            line.kind = Line::Key;
            line.name = Trim(body.substr(0, eq));
            line.value = Trim(body.substr(eq + 1));
        }
        lines.push_back(line);
        start = next;
    }
    return lines;
}

// Where a section and a key stand in the parsed lines.
struct Place {
    std::optional<std::size_t> section;   // index of the header line
    std::optional<std::size_t> key;       // index of the key line
    std::size_t lastContent = 0;          // last line of the section that is not blank
};

Place Locate(const std::vector<Line>& lines, std::string_view section, std::string_view key) {
    Place place;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!place.section) {
            if (lines[i].kind == Line::Section && SameName(lines[i].name, section)) {
                place.section = i;
                place.lastContent = i;
            }
            continue;
        }
        if (lines[i].kind == Line::Section) break;
        if (!Trim(lines[i].text).empty()) place.lastContent = i;
        if (!place.key && lines[i].kind == Line::Key && SameName(lines[i].name, key)) place.key = i;
    }
    return place;
}

std::string CopyValue(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        // A quoted value that does not fit keeps its closing quote, cut with the rest.
        const std::string_view inner = value.substr(1);
        if (inner.size() <= MaxProfileValueLength + 1) return std::string(inner.substr(0, inner.size() - 1));
        return std::string(inner.substr(0, MaxProfileValueLength));
    }
    return std::string(value.substr(0, MaxProfileValueLength));
}

}  // namespace

std::string GetPrivateProfileString(const std::string& file, std::string_view section,
                                    std::string_view key, std::string_view defaultValue) {
    while (!defaultValue.empty() && defaultValue.back() == ' ') defaultValue.remove_suffix(1);
    const std::string fallback(defaultValue.substr(0, MaxProfileValueLength));

    const std::optional<std::string> content = ReadWholeFile(file);
    if (!content) return fallback;
    return ProfileValueIn(*content, section, key).value_or(fallback);
}

std::optional<std::string> ProfileValueIn(std::string_view content, std::string_view section, std::string_view key) {
    const std::vector<Line> lines = ParseLines(content);
    const Place place = Locate(lines, Trim(section), Trim(key));
    if (!place.key) return std::nullopt;
    return CopyValue(lines[*place.key].value);
}

bool WritePrivateProfileString(const std::string& file, std::string_view section,
                               std::string_view key, std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    while (!value.empty() && IsBlank(value.front())) value.remove_prefix(1);
    value = value.substr(0, value.find_first_of("\r\n"));

    std::string content;
    if (PathMayExist(file)) {
        std::optional<std::string> old = ReadWholeFile(file);
        if (!old) return false;
        content = std::move(*old);
    }

    const std::vector<Line> lines = ParseLines(content);
    const Place place = Locate(lines, section, key);
    std::string result;
    result.reserve(content.size() + section.size() + key.size() + value.size() + 8);
    const auto keyLine = [&](std::string_view name) {
        std::string text(name);
        text += '=';
        text += value;
        text += "\r\n";
        return text;
    };

    if (!place.section) {
        result = content;
        if (!result.empty() && result.back() != '\r' && result.back() != '\n') result += "\r\n";
        result += '[';
        result += section;
        result += "]\r\n";
        result += keyLine(key);
    } else {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (place.key && i == *place.key) {
                // The key keeps its spelling; its line break stays as it was.
                std::string replaced = keyLine(lines[i].name);
                replaced.resize(replaced.size() - 2);
                result += replaced;
                result += lines[i].ending;
                continue;
            }
            result += lines[i].text;
            result += lines[i].ending;
            if (!place.key && i == place.lastContent) {
                if (lines[i].ending.empty()) result += "\r\n";
                result += keyLine(key);
            }
        }
    }
    return ReplaceFile(file, result);
}

}  // namespace vellumar
