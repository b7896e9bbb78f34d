#include "tools/pack/DictionaryPacker.h"

#include "engine/Exception.h"
#include "engine/Letters.h"

#include <algorithm>

namespace vellumar::pack {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::uint64_t HeldBytes(const std::string& line) { return line.size() + sizeof(std::string); }

// Bytes that compare as the alphabet order: the word's letters as their places
// (1..33), a zero byte, then the definition as it is.
std::string SortKey(std::string_view line) {
    const std::string_view word = WordPart(line);
    std::string key;
    key.reserve(line.size() + 1);
    for (char c : word) key.push_back(static_cast<char>(AlphabetPosition(c)));
    key.push_back('\0');
    key.append(line.substr(word.size()));
    return key;
}

}  // namespace

bool DictionaryLess(std::string_view a, std::string_view b) { return SortKey(a) < SortKey(b); }

DictionaryCollector::LineResult DictionaryCollector::Add(std::string_view line) {
    ++summary_.lines;
    finished_ = false;
    while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
    while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
    if (line.empty()) {
        ++summary_.empty;
        return LineResult::Empty;
    }
    std::string normal = NormaliseLine(line);
    const std::size_t length = WordPart(normal).size();
    if (length == 0) {
        ++summary_.noWord;
        return LineResult::NoWord;
    }
    if (length < static_cast<std::size_t>(MinWordLength)) {
        ++summary_.tooShort;
        return LineResult::TooShort;
    }
    if (length > static_cast<std::size_t>(MaxWordLength)) {
        ++summary_.tooLong;
        return LineResult::TooLong;
    }
    const std::uint64_t member = memberBytes_[length] + normal.size() + MemberLineBreak.size();
    if (member > limits_.memberBytes)
        throw Exception("too large: the words of " + std::to_string(length) + " letters take more than " +
                        std::to_string(limits_.memberBytes >> 20) + " MiB, more than a dictionary may hold");
    const std::uint64_t held = heldBytes_ + HeldBytes(normal);
    if (held > limits_.heldBytes)
        throw Exception("too large: the lines take more than " + std::to_string(limits_.heldBytes >> 20) +
                        " MiB of memory, more than a dictionary may hold");
    memberBytes_[length] = member;
    heldBytes_ = held;
    byLength_[length].push_back(std::move(normal));
    return LineResult::Added;
}

void DictionaryCollector::Finish() {
    if (finished_) return;
    summary_.duplicates = 0;
    summary_.packed = 0;
    heldBytes_ = 0;
    for (int length = MinWordLength; length <= MaxWordLength; ++length) {
        std::vector<std::string>& lines = byLength_[length];
        std::vector<std::pair<std::string, std::string>> keyed;
        keyed.reserve(lines.size());
        for (std::string& line : lines) keyed.emplace_back(SortKey(line), std::move(line));
        std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        lines.clear();
        for (std::size_t i = 0; i < keyed.size(); ++i) {
            if (i > 0 && keyed[i].first == keyed[i - 1].first) continue;
            lines.push_back(std::move(keyed[i].second));
        }
        summary_.duplicates += keyed.size() - lines.size();
        summary_.perLength[length] = lines.size();
        summary_.packed += lines.size();
        memberBytes_[length] = MemberSize(length);
        for (const std::string& line : lines) heldBytes_ += HeldBytes(line);
    }
    finished_ = true;
}

std::size_t DictionaryCollector::MemberSize(int length) const {
    std::size_t bytes = 0;
    for (const std::string& line : byLength_[length]) bytes += line.size() + MemberLineBreak.size();
    return bytes;
}

void DictionaryCollector::WriteTo(ArchiveWriter& writer, std::string_view title, const MemberProgress& progress) {
    if (title.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
        throw Exception("The title must be a single line");
    Finish();
    std::string member(title);
    member += MemberLineBreak;
    writer.AddMember(TitleMemberName, member, true);
    std::size_t total = 0, done = 0;
    for (int length = MinWordLength; length <= MaxWordLength; ++length) total += MemberSize(length);
    for (int length = MinWordLength; length <= MaxWordLength; ++length) {
        const std::vector<std::string>& lines = byLength_[length];
        if (lines.empty()) continue;
        member.clear();
        for (const std::string& line : lines) {
            member += line;
            member += MemberLineBreak;
        }
        writer.AddMember(LengthMemberName(length), member, true);
        done += member.size();
        if (progress) progress(done, total);
    }
}

}  // namespace vellumar::pack
