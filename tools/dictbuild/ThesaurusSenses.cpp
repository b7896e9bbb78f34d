#include "tools/dictbuild/ThesaurusSenses.h"

#include "engine/Cp1251Literal.h"
#include "engine/Letters.h"
#include "engine/TextLines.h"
#include "tools/cli/Encoding.h"
#include "tools/dictbuild/SingleWord.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace vellumar::dictbuild {

namespace {

// Senses of these kinds list words of the same meaning.
bool IsSynonymKind(std::string_view kind) { return kind == "(синоним)" || kind == "(сходный термин)"; }

std::vector<std::string_view> SplitBars(std::string_view line) {
    std::vector<std::string_view> fields;
    while (true) {
        const std::size_t bar = line.find('|');
        fields.push_back(line.substr(0, bar));
        if (bar == std::string_view::npos) return fields;
        line.remove_prefix(bar + 1);
    }
}

// "word|n" opens an entry; anything else is no header.
bool ParseHeader(std::string_view line, std::string_view& word, std::size_t& senses) {
    const std::size_t bar = line.rfind('|');
    if (bar == std::string_view::npos || line.starts_with("(")) return false;
    const std::string_view count = line.substr(bar + 1);
    auto [end, error] = std::from_chars(count.data(), count.data() + count.size(), senses);
    if (error != std::errc() || end != count.data() + count.size()) return false;
    word = line.substr(0, bar);
    return true;
}

void AddSense(const std::string& headword, const std::vector<std::string_view>& fields,
              pack::DictionaryCollector& collector, SourceStats& stats) {
    std::vector<std::string> synonyms;
    for (std::size_t k = 1; k < fields.size(); ++k) {
        std::string_view field = fields[k];
        while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
        while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
        if (field.empty()) continue;
        std::optional<std::string> synonym = cli::Utf8ToCp1251(std::string(field));
        if (!synonym) {
            ++stats.unconvertible;
            continue;
        }
        if (LowerString(*synonym) == headword) continue;
        if (std::find(synonyms.begin(), synonyms.end(), *synonym) != synonyms.end()) continue;
        synonyms.push_back(std::move(*synonym));
    }
    // Drop whole synonyms from the end until the definition fits what the reader shows.
    while (!synonyms.empty()) {
        std::string line = headword + ' ';
        for (std::size_t k = 0; k < synonyms.size(); ++k) line += (k ? ", " : "") + synonyms[k];
        const std::string normal = NormaliseLine(line);
        if (normal.size() - WordPart(normal).size() <= MaxDefinitionLength) {
            collector.Add(line);
            ++stats.taken;
            return;
        }
        synonyms.pop_back();
    }
}

}  // namespace

void CollectThesaurusSenses(std::string_view utf8Text, pack::DictionaryCollector& collector, SourceStats& stats) {
    if (utf8Text.starts_with(Utf8ByteOrderMark)) utf8Text.remove_prefix(Utf8ByteOrderMark.size());
    const std::vector<std::string> lines = SplitTextLines(utf8Text);
    std::size_t i = 0;
    if (!lines.empty() && lines[0].find('|') == std::string::npos) i = 1;  // the encoding line
    while (i < lines.size()) {
        std::string_view word;
        std::size_t senses = 0;
        if (!ParseHeader(lines[i++], word, senses)) continue;
        SourceStats wordStats;
        std::optional<std::string> headword = SingleRussianWord(word, false, wordStats);
        for (; senses > 0 && i < lines.size() && lines[i].starts_with("("); --senses, ++i) {
            ++stats.entries;
            const std::vector<std::string_view> fields = SplitBars(lines[i]);
            if (!headword) {
                stats.notRussian += wordStats.notRussian > 0;
                stats.wrongLength += wordStats.wrongLength > 0;
                stats.unconvertible += wordStats.unconvertible > 0;
                continue;
            }
            if (!IsSynonymKind(fields[0])) {
                ++stats.otherSenses;
                continue;
            }
            AddSense(*headword, fields, collector, stats);
        }
    }
}

}  // namespace vellumar::dictbuild
