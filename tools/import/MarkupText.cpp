#include "tools/import/MarkupText.h"

#include "app/Utf8.h"

#include <array>

namespace vellumar::import {

namespace {

constexpr std::size_t kMaxEntityLength = 9;  // "#x10FFFF", "hellip"

struct NamedEntity {
    std::string_view name;
    char32_t code;
};

// The XML entities and the named ones that dictionaries commonly use.
constexpr std::array<NamedEntity, 15> kEntities = {{
    {"amp", U'&'}, {"lt", U'<'}, {"gt", U'>'}, {"quot", U'"'}, {"apos", U'\''},
    {"nbsp", 0xA0}, {"shy", 0xAD}, {"mdash", 0x2014}, {"ndash", 0x2013}, {"laquo", 0xAB},
    {"raquo", 0xBB}, {"hellip", 0x2026}, {"middot", 0xB7}, {"copy", 0xA9}, {"deg", 0xB0},
}};

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool NameIs(std::string_view name, std::string_view expected) {
    if (name.size() != expected.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (LowerAscii(name[i]) != expected[i]) return false;
    return true;
}

bool IsAnyOf(std::string_view name, std::initializer_list<std::string_view> names) {
    for (std::string_view n : names)
        if (NameIs(name, n)) return true;
    return false;
}

// The code of an entity's body ("amp", "#1105", "#x451"), or 0.
char32_t EntityCode(std::string_view body) {
    if (body.size() > 1 && body[0] == '#') {
        const bool hex = body[1] == 'x' || body[1] == 'X';
        std::string_view digits = body.substr(hex ? 2 : 1);
        if (digits.empty() || digits.size() > 7) return 0;
        char32_t code = 0;
        for (char c : digits) {
            int v = c >= '0' && c <= '9' ? c - '0' : hex && LowerAscii(c) >= 'a' && LowerAscii(c) <= 'f' ? LowerAscii(c) - 'a' + 10 : -1;
            if (v < 0) return 0;
            code = code * (hex ? 16 : 10) + static_cast<char32_t>(v);
        }
        const bool valid = code > 0 && code <= 0x10FFFF && !(code >= 0xD800 && code < 0xE000);
        return valid ? code : 0;
    }
    for (const NamedEntity& e : kEntities)
        if (body == e.name) return e.code;
    return 0;
}

}  // namespace

std::string MarkupText(std::string_view markup) {
    std::string out;
    out.reserve(markup.size());
    int hidden = 0;  // depth of elements whose content goes
    for (std::size_t i = 0; i < markup.size(); ++i) {
        const char c = markup[i];
        if (c == '<') {
            const std::size_t close = markup.find('>', i + 1);
            if (close == std::string_view::npos) break;  // a tag cut off: the rest is no text
            std::string_view tag = markup.substr(i + 1, close - i - 1);
            i = close;
            const bool closing = !tag.empty() && tag.front() == '/';
            if (closing) tag.remove_prefix(1);
            const bool selfClosing = !tag.empty() && tag.back() == '/';
            const std::string_view name = tag.substr(0, tag.find_first_of(" \t\r\n/"));
            if (IsAnyOf(name, {"k", "script", "style"}) && !selfClosing) {
                hidden += closing ? (hidden > 0 ? -1 : 0) : 1;
            } else if (IsAnyOf(name, {"br", "p", "div", "li", "tr", "dd", "dt", "blockquote", "def"}) && hidden == 0) {
                out += '\n';
            }
            continue;
        }
        if (hidden > 0) continue;
        if (c == '&') {
            const std::size_t length = markup.substr(i + 1, kMaxEntityLength + 1).find(';');
            if (length != std::string_view::npos) {
                if (const char32_t code = EntityCode(markup.substr(i + 1, length))) {
                    AppendUtf8(out, code);
                    i += length + 1;
                    continue;
                }
            }
        }
        out += c;
    }
    return out;
}

}  // namespace vellumar::import
