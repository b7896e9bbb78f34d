#include "tools/import/DslText.h"

#include "tools/import/EntryBuilder.h"

#include <cstring>

namespace vellumar::import {

namespace {

constexpr int kMaxExpandedOptionalParts = 4;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Runs of blanks as one blank, none at the ends.
std::string CollapseBlanks(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (IsBlank(c)) {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += c;
        }
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

struct HeadwordPart {
    std::string text;
    bool optional = false;
};

std::vector<HeadwordPart> SplitHeadword(std::string_view line, std::string_view tilde) {
    std::vector<HeadwordPart> parts(1);
    int unsorted = 0;
    bool inTag = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\\') {
            if (++i < line.size() && unsorted == 0 && !inTag) parts.back().text += line[i];
            continue;
        }
        if (inTag) {
            inTag = c != ']';
        } else if (c == '[') {
            inTag = true;
        } else if (c == '{') {
            ++unsorted;
        } else if (c == '}') {
            if (unsorted > 0) --unsorted;
        } else if (unsorted == 0) {
            if (c == '(' && !parts.back().optional) parts.push_back({"", true});
            else if (c == ')' && parts.back().optional) parts.push_back({});
            else if (c == '~') parts.back().text += tilde;
            else parts.back().text += c;
        }
    }
    return parts;
}

}  // namespace

void RemoveDslComments(std::string& line, bool& inComment) {
    if (!inComment && line.find("{{") == std::string::npos) return;
    std::string out;
    for (std::size_t i = 0; i < line.size();) {
        if (inComment) {
            const std::size_t end = line.find("}}", i);
            if (end == std::string::npos) break;
            inComment = false;
            i = end + 2;
        } else if (line[i] == '\\' && i + 1 < line.size()) {
            out += line[i];
            out += line[i + 1];
            i += 2;
        } else if (line.compare(i, 2, "{{") == 0) {
            inComment = true;
            i += 2;
        } else {
            out += line[i++];
        }
    }
    line = std::move(out);
}

std::vector<std::string> DslHeadwords(std::string_view line, std::string_view tilde) {
    const std::vector<HeadwordPart> parts = SplitHeadword(line, tilde);
    int optional = 0;
    for (const HeadwordPart& part : parts) optional += part.optional;
    // Each bit of a choice takes one optional part in; past the limit only all or none.
    const bool expand = optional <= kMaxExpandedOptionalParts;
    const unsigned choices = expand ? 1u << optional : 2u;
    std::vector<std::string> words;
    for (unsigned choice = 0; choice < choices; ++choice) {
        std::string text;
        int bit = 0;
        for (const HeadwordPart& part : parts) {
            if (!part.optional) {
                text += part.text;
                continue;
            }
            if (expand ? (choice >> bit) & 1u : choice == 1) text += part.text;
            ++bit;
        }
        std::string word = CollapseBlanks(text);
        bool seen = word.empty();
        for (const std::string& w : words) seen = seen || w == word;
        if (!seen) words.push_back(std::move(word));
    }
    return words;
}

std::string DslBodyText(std::string_view line) {
    std::string out;
    out.reserve(line.size());
    bool media = false;
    std::size_t close = 0;      // the next "]" at or after the position, once looked for
    bool closeKnown = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\\') {
            if (++i < line.size() && !media) out += static_cast<unsigned char>(line[i]) < 0x20 ? ' ' : line[i];
            continue;
        }
        if (c == '[') {
            if (!closeKnown || close < i) {
                close = line.find(']', i + 1);
                closeKnown = true;
            }
            if (close == std::string_view::npos) {
                if (!media) out += c;  // no tag: a bracket that lost its escape
                continue;
            }
            const std::string_view tag = line.substr(i + 1, close - i - 1);
            const std::string_view name = tag.substr(0, tag.find(' '));
            if (name == "s" || name == "video") media = true;
            else if (name == "/s" || name == "/video") media = false;
            i = close;
            continue;
        }
        if (media) continue;
        if ((c == '<' || c == '>') && i + 1 < line.size() && line[i + 1] == c) {
            ++i;
        } else if (c == '~') {
            out += kHeadwordMark;
        } else {
            out += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
        }
    }
    return out;
}

std::string_view DslHeaderValue(std::string_view line) {
    const std::size_t open = line.find('"');
    const std::size_t close = line.rfind('"');
    if (open != std::string_view::npos && close > open) return line.substr(open + 1, close - open - 1);
    std::size_t start = line.find_first_of(" \t");
    if (start == std::string_view::npos) return {};
    line.remove_prefix(start);
    while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
    while (!line.empty() && (IsBlank(line.back()) || line.back() == '\r')) line.remove_suffix(1);
    return line;
}

}  // namespace vellumar::import
