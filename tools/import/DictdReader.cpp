// dictd: the .index holds a line per headword, "headword TAB offset TAB
// length" (numbers in dictd's base 64, sometimes a fourth column with the
// headword as written), sorted by headword; the .dict holds the entries' text,
// each usually beginning with its headword again. Entries named
// "00-database-…" describe the database; only its short name is read.

#include "tools/import/ImportErrors.h"
#include "tools/import/SliceReader.h"
#include "tools/import/SourceFiles.h"
#include "tools/import/SourceReaders.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <vector>

namespace vellumar::import {

namespace {

std::optional<std::uint64_t> DecodeNumber(std::string_view digits) {
    constexpr std::string_view kDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    if (digits.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        const std::size_t digit = kDigits.find(c);
        if (digit == std::string_view::npos || value > (UINT64_MAX >> 6)) return std::nullopt;
        value = (value << 6) | digit;
    }
    return value;
}

std::string_view TrimLine(std::string_view line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r')) line.remove_suffix(1);
    return line;
}

// The next line of `text`, which loses it.
std::string_view TakeLine(std::string_view& text) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    return line;
}

bool IsDatabaseEntry(std::string_view headword) {
    return headword.starts_with("00database") || headword.starts_with("00-database");
}

bool IsShortName(std::string_view headword) {
    return headword == "00databaseshort" || headword == "00-database-short";
}

struct Record {
    std::uint64_t offset;
    std::uint64_t size;
    std::string_view headword;
    bool title;     // the database's short name
    bool database;  // describes the database
};

// One line of the index: its headword, offset and size; nothing for a line of another shape.
std::optional<Record> ParseIndexLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::string_view fields[4];
    int count = 0;
    while (count < 4 && !line.empty()) {
        const std::size_t tab = std::min(line.find('\t'), line.size());
        fields[count++] = line.substr(0, tab);
        line.remove_prefix(std::min(tab + 1, line.size()));
    }
    const auto offset = DecodeNumber(fields[1]);
    const auto size = DecodeNumber(fields[2]);
    if (count < 3 || fields[0].empty() || !offset || !size) return std::nullopt;
    const std::string_view headword = count == 4 && !fields[3].empty() ? fields[3] : fields[0];
    return Record{*offset, *size, headword, IsShortName(fields[0]), IsDatabaseEntry(fields[0])};
}

std::vector<Record> ParseIndex(std::string_view index, ReadContext& context) {
    std::vector<Record> records;
    while (!index.empty()) {
        const std::string_view line = TakeLine(index);
        if (TrimLine(line).empty()) continue;
        const std::optional<Record> record = ParseIndexLine(line);
        if (!record) context.entries.Damaged(1);
        else if (record->title || !record->database) records.push_back(*record);
    }
    return records;
}

// The database's short name: the entry's first line names the entry itself
// when dictfmt copied the headword in.
std::string ShortName(std::string_view text) {
    while (!text.empty()) {
        const std::string_view line = TrimLine(TakeLine(text));
        if (!line.empty() && !IsDatabaseEntry(line)) return std::string(line);
    }
    return {};
}

// The entry's text without the lines at its head that repeat its headwords.
// Such a line shows the headword as written, where the index may have lost
// its case and signs (dictfmt keeps only letters and digits without
// --allchars): then the line's spelling is the headword.
// Each headword and each line is folded once: an entry may have thousands.
std::string_view TakeHeadwordLines(std::string_view text, std::vector<std::string_view>& headwords,
                                   EntrySink& entries) {
    // The headwords not yet matched by folded spelling, the first in order last.
    std::unordered_map<std::string, std::vector<std::size_t>> unmatched;
    for (std::size_t k = headwords.size(); k-- > 0;)
        if (std::optional<std::string> folded = entries.FoldedWord(headwords[k]))
            unmatched[std::move(*folded)].push_back(k);
    for (;;) {
        std::string_view rest = text;
        const std::string_view line = TrimLine(TakeLine(rest));
        if (line.empty()) return text;
        const std::optional<std::string> folded = entries.FoldedWord(line);
        const auto found = folded ? unmatched.find(*folded) : unmatched.end();
        if (found == unmatched.end() || found->second.empty()) return text;
        headwords[found->second.back()] = line;
        found->second.pop_back();
        text = rest;
    }
}

}  // namespace

bool StartsLikeDictdIndex(std::string_view head) {
    return ParseIndexLine(TakeLine(head)).has_value();
}

void ReadDictd(const std::string& indexPath, ReadContext& context) {
    ByteSource indexSource(indexPath, kMaxIndexBytes);
    const std::string index = indexSource.ReadAll();
    std::vector<Record> records = ParseIndex(index, context);
    std::sort(records.begin(), records.end(), [](const Record& a, const Record& b) {
        return a.offset != b.offset ? a.offset < b.offset : a.size < b.size;
    });

    const std::string base = WithoutExtension(indexPath, ".index");
    ByteSource data(CompanionFile(base, {".dict", ".dict.dz"}, "dictd", ".dict"), kMaxStreamBytes);
    ReportProgressOf(data, context);
    SliceReader slices(data);
    std::vector<std::string_view> headwords;
    DefinitionLines lines;
    for (std::size_t i = 0; i < records.size();) {
        // Headwords that share their text (dictfmt's headword separator) share one definition.
        headwords.clear();
        const Record& first = records[i];
        bool title = false;
        for (; i < records.size() && records[i].offset == first.offset && records[i].size == first.size; ++i) {
            if (records[i].title) title = true;
            else headwords.push_back(records[i].headword);
        }
        std::string_view text;
        if (first.size > kMaxEntryBytes || !slices.Slice(first.offset, static_cast<std::uint32_t>(first.size), text)) {
            context.entries.Damaged(headwords.size());
            continue;
        }
        if (title) context.title = ShortName(text);
        if (headwords.empty()) continue;
        lines.Clear();
        lines.AddText(TakeHeadwordLines(text, headwords, context.entries));
        context.entries.Add(headwords, lines.Text());
    }
}

}  // namespace vellumar::import
