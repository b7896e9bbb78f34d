#include "tools/import/EntryBuilder.h"

#include "engine/Cp1251Literal.h"
#include "engine/Letters.h"
#include "tools/import/ImportErrors.h"
#include "app/Utf8.h"

#include <algorithm>
#include <vector>

namespace vellumar::import {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

constexpr char kNoBreakSpace = '\xA0';
constexpr char kSoftHyphen = '\xAD';
constexpr char kEllipsis = Cp1251<"…">[0];

// Control characters and no-break spaces become blanks, soft hyphens go, runs
// of blanks become one, and the ends are trimmed. Headword marks stay.
void TidyCp1251(std::string& text) {
    std::size_t out = 0;
    bool blank = true;  // drops leading blanks
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (c == kSoftHyphen) continue;
        if ((b < 0x20 && c != kHeadwordMark) || b == 0x7F || c == kNoBreakSpace) c = ' ';
        if (c == ' ') {
            if (blank) continue;
            blank = true;
        } else {
            blank = false;
        }
        text[out++] = c;
    }
    if (out > 0 && text[out - 1] == ' ') --out;
    text.resize(out);
}

// A definition longer than the line model shows is cut where a part or a word
// ends, and an ellipsis says that it was.
void CutDefinition(std::string& line, std::size_t wordLength) {
    const std::size_t limit = wordLength + MaxDefinitionLength - 1;  // room for the ellipsis
    std::size_t cut = line.rfind(';', limit);
    if (cut == std::string::npos || cut < wordLength + MaxDefinitionLength / 2) cut = line.find_last_of(" ,", limit);
    if (cut == std::string::npos || cut <= wordLength) cut = limit;
    line.resize(cut);
    while (line.size() > wordLength && std::string_view(" ,;:-").find(line.back()) != std::string_view::npos)
        line.pop_back();
    line += kEllipsis;
}

}  // namespace

void DefinitionLines::Add(std::string_view line, bool keepMarks) {
    line = Trim(line);
    if (line.empty()) return;
    std::string_view separator;
    if (!text_.empty()) {
        const char last = text_.back();
        separator = last == ',' || last == ';' || last == ':' ? " " : "; ";
    }
    if (text_.size() + separator.size() >= kMaxDefinitionSourceBytes) return;
    text_ += separator;
    const std::size_t start = text_.size();
    text_ += line.substr(0, Utf8CutPoint(line, kMaxDefinitionSourceBytes - start));
    for (std::size_t i = start; i < text_.size(); ++i) {
        const auto b = static_cast<unsigned char>(text_[i]);
        if (b < 0x20 && !(keepMarks && text_[i] == kHeadwordMark)) text_[i] = ' ';
    }
}

void DefinitionLines::AddText(std::string_view text) {
    while (!text.empty() && text_.size() < kMaxDefinitionSourceBytes) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        Add(line);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
}

EntryBuilder::Verdict EntryBuilder::Headword(std::string_view utf8, std::string& shown, std::string& word) {
    shown.clear();
    switch (encoder_.Append(Trim(utf8), shown, Cp1251Encoder::Mode::Exact)) {
        case Cp1251Encoder::Result::Invalid: return Verdict::BadText;
        case Cp1251Encoder::Result::Unconvertible: return Verdict::NotOneWord;
        case Cp1251Encoder::Result::Converted: break;
    }
    word = LowerString(shown);
    if (word.empty()) return Verdict::NotOneWord;
    for (char c : word)
        if (!IsLowerRussian(c)) return Verdict::NotOneWord;
    if (word.size() < static_cast<std::size_t>(pack::MinWordLength)) return Verdict::TooShort;
    if (word.size() > static_cast<std::size_t>(pack::MaxWordLength)) return Verdict::TooLong;
    return Verdict::Word;
}

void EntryBuilder::Count(Verdict verdict) {
    switch (verdict) {
        case Verdict::NotOneWord: ++summary_.notOneWord; break;
        case Verdict::TooShort: ++summary_.tooShort; break;
        case Verdict::TooLong: ++summary_.tooLong; break;
        case Verdict::BadText: ++summary_.badText; break;
        case Verdict::Word: break;
    }
}

void EntryBuilder::Add(std::span<const std::string_view> headwords, std::string_view definition) {
    summary_.read += headwords.size();
    struct Accepted {
        std::string shown, word;
    };
    std::vector<Accepted> accepted;
    Accepted next;
    for (std::string_view headword : headwords) {
        const Verdict verdict = Headword(headword, next.shown, next.word);
        if (verdict == Verdict::Word) accepted.push_back(std::move(next));
        else Count(verdict);
    }
    if (accepted.empty()) return;
    // A headword repeated in one entry gives the same line again: the
    // collector would hold each copy until it drops duplicates at the end.
    if (accepted.size() > 1) {
        std::sort(accepted.begin(), accepted.end(),
                  [](const Accepted& a, const Accepted& b) { return a.shown < b.shown; });
        const auto repeated = std::unique(accepted.begin(), accepted.end(),
                                          [](const Accepted& a, const Accepted& b) { return a.shown == b.shown; });
        summary_.duplicates += static_cast<std::size_t>(accepted.end() - repeated);
        accepted.erase(repeated, accepted.end());
    }

    std::string body;
    if (encoder_.Append(definition, body, Cp1251Encoder::Mode::Lenient) == Cp1251Encoder::Result::Invalid) {
        summary_.badText += accepted.size();
        return;
    }
    TidyCp1251(body);
    for (const Accepted& a : accepted) AddLine(a.word, a.shown, body);
}

void EntryBuilder::AddLine(const std::string& word, const std::string& shown, std::string_view definition) {
    std::string line = word;
    if (!definition.empty()) {
        line += ' ';
        for (char c : definition) {
            if (c == kHeadwordMark) line += shown;
            else line += c;
        }
    }
    NormaliseLineInPlace(line);
    if (line.size() - word.size() > MaxDefinitionLength) {
        CutDefinition(line, word.size());
        ++summary_.shortenedDefinitions;
    }
    collector_.Add(line);
}

void EntryBuilder::Damaged(std::size_t headwords) {
    summary_.read += headwords;
    summary_.damaged += headwords;
}

std::optional<std::string> EntryBuilder::FoldedWord(std::string_view text) {
    std::string cp1251;
    if (encoder_.Append(text, cp1251, Cp1251Encoder::Mode::Exact) != Cp1251Encoder::Result::Converted)
        return std::nullopt;
    std::string folded;
    for (char c : cp1251) {
        const bool digit = c >= '0' && c <= '9';
        const bool latin = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (digit || latin || IsRussianLetter(c)) folded += LowerChar(c);
    }
    return folded;
}

std::string EntryBuilder::Title(std::string_view utf8) {
    std::string title;
    if (encoder_.Append(utf8, title, Cp1251Encoder::Mode::Lenient) == Cp1251Encoder::Result::Invalid) return {};
    std::replace(title.begin(), title.end(), kHeadwordMark, ' ');
    TidyCp1251(title);
    return title;
}

}  // namespace vellumar::import
