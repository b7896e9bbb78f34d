// A pass over a whole dictionary text takes shortcuts (no copy of lines in
// dictionary form, a word test before normalising, a word-at-a-time line
// split): these tests hold it to the plain definition on random texts.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string_view>

#include "engine/Exception.h"
#include "engine/Search.h"
#include "engine/TextLines.h"

using namespace vellumar;

namespace {

// Bytes chosen so that random lines hit every case: lower- and upper-case
// Russian letters (ё, й, ъ among them), Latin, blanks, spacing signs, the
// separator, digits and all three kinds of line break.
const std::string kBytes =
    "\xEA\xEE\xF2\xE8\xB8\xE5\xE9\xFA\xFC"   // к о т и ё е й ъ ь
    "\xCA\xCE\xD2\xA8\xC9"                   // К О Т Ё Й
    "aZ  ,-()\xB7" "7\r\n";

std::string RandomText(std::mt19937& rng, std::size_t length) {
    std::uniform_int_distribution<std::size_t> pick(0, kBytes.size() - 1);
    std::string text;
    for (std::size_t i = 0; i < length; ++i) text += kBytes[pick(rng)];
    return text;
}

std::string RandomMask(std::mt19937& rng) {
    const std::string letters = "\xCA\xCE\xD2\xC8\xC5  ";   // К О Т И Е and blanks
    std::uniform_int_distribution<std::size_t> len(1, 4), pick(0, letters.size() - 1);
    std::string mask(len(rng), ' ');
    for (char& c : mask) c = letters[pick(rng)];
    return mask;
}

// The pass as defined: every line normalised, then the chosen tests; a line
// is one hit however many of them it passes.
std::vector<std::string> Reference(const std::string& query, bool anagram, const std::string& text,
                                   const SearchSettings& s) {
    std::vector<std::string> hits;
    for (const std::string& raw : SplitTextLines(text)) {
        if (raw.empty()) continue;
        const std::string line = NormaliseLine(raw);
        if (anagram) {
            if (MatchAnagram(query, line, s.equivalences)) hits.push_back(line);
            continue;
        }
        if ((s.mode != SearchMode::Definitions && MatchMask(query, WordPart(line), s)) ||
            (s.mode != SearchMode::Words && MatchDefinition(query, DefinitionPart(line), s)))
            hits.push_back(line);
    }
    return hits;
}

std::vector<std::string> OverText(const std::string& query, bool anagram, const std::string& text,
                                  const SearchSettings& s) {
    std::vector<std::string> hits;
    SearchDictionaryText(query, anagram, text, s, [&hits](std::string_view hit) { hits.emplace_back(hit); });
    return hits;
}

std::vector<std::string> OverLines(const std::string& query, bool anagram, const std::string& text,
                                   const SearchSettings& s) {
    std::vector<std::string> lines = SplitTextLines(text), hits;
    SearchDictionary(query, anagram, lines, s, [&hits](std::string_view hit) { hits.emplace_back(hit); });
    return hits;
}

// Every mode and mask part, every combination of the letter equivalences, and
// now and then the weight filter.
SearchSettings SettingsFor(int round) {
    static const SearchMode modes[] = {SearchMode::Words, SearchMode::Definitions, SearchMode::WordsAndDefinitions};
    static const WeightFilter filters[] = {{true, "<=", "30"}, {true, "=>", "30"}};
    SearchSettings s;
    s.mode = modes[round % 3];
    s.part = static_cast<MaskPart>((round / 32) % 4);
    s.equivalences = {(round & 4) != 0, (round & 8) != 0, (round & 16) != 0};
    if (round % 7 == 0) s.weight = filters[round % 2];
    return s;
}

}  // namespace

TEST(SearchDictionaryText, SameHitsAsTheDefinitionOnRandomTexts) {
    std::mt19937 rng(20261208);
    std::size_t totalHits = 0;
    for (int round = 0; round < 3000; ++round) {
        const std::string text = RandomText(rng, 1 + rng() % 300);
        const SearchSettings s = SettingsFor(round);
        const bool anagram = round % 5 == 0;
        std::string query = RandomMask(rng);
        if (anagram)
            for (char& c : query)
                if (c == ' ') c = '\xCE';
        const auto expected = Reference(query, anagram, text, s);
        totalHits += expected.size();
        ASSERT_EQ(OverText(query, anagram, text, s), expected) << "round " << round;
        ASSERT_EQ(OverLines(query, anagram, text, s), expected) << "round " << round;
    }
    EXPECT_GT(totalHits, 500u);   // the texts really exercise the hit paths
}

// The definition limit cuts «котёнок» after «кот», which then fits a whole
// word, however long the line was before it; a run that goes on under the
// limit does not fit.
TEST(SearchDictionaryText, TheDefinitionLimitCanEndARun) {
    SearchSettings s;
    s.mode = SearchMode::Definitions;
    const std::string kotyonok = "\xEA\xEE\xF2\xB8\xED\xEE\xEA";
    for (std::size_t pad : {1020u, 1019u, 2000u}) {
        const std::string text = "\xF1\xEB\xEE\xED" + std::string(pad, 'x') + " " + kotyonok + "\r\n";
        SCOPED_TRACE(pad);
        EXPECT_EQ(OverText("\xCA\xCE\xD2", false, text, s), Reference("\xCA\xCE\xD2", false, text, s));
        EXPECT_EQ(OverText("\xCA\xCE\xD2", false, text, s).size(), pad == 1020u ? 1u : 0u);
    }
}

TEST(SearchDictionaryText, BadWeightValueFailsOnlyAtAWordThatPassesTheLetters) {
    SearchSettings s;
    s.weight.enabled = true;
    s.weight.value = "1a";
    // «котик» starts with the mask's letters but its word is longer; «КОТ»
    // is lowered by normalising and then fits.
    EXPECT_NO_THROW(OverText("\xCA\xCE\xD2", false, "\xEA\xEE\xF2\xE8\xEA\r\n\xEA\xE8\xF2\r\n", s));
    EXPECT_THROW(OverText("\xCA\xCE\xD2", false, "\xEA\xE8\xF2\r\n\xCA\xCE\xD2 \xE7\xE2\xE5\xF0\xFC", s),
                 EConvertError);
    EXPECT_THROW(OverText("\xCA\xCE\xD2", false, "\xEA\xEE\xF2-\xEC\xFF\xF3", s), EConvertError);
}

TEST(TextLines, SplitMatchesAPlainByteWalkAtEveryAlignment) {
    std::mt19937 rng(7);
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        // Every other text has long lines, which the split passes over in wide steps.
        const std::size_t length = rng() % (round % 2 ? 40 : 120);
        for (std::size_t i = 0; i < length; ++i) {
            const unsigned r = rng() % (round % 2 ? 10 : 50);
            text += r == 0 ? '\r' : r == 1 ? '\n' : r == 2 ? '\0' : static_cast<char>('a' + r);
        }
        std::vector<std::string> expected;
        std::string current;
        bool pending = false;
        for (std::size_t i = 0; i < text.size() && text[i] != '\0'; ++i) {
            if (text[i] == '\r' || text[i] == '\n') {
                expected.push_back(current);
                current.clear();
                pending = false;
                if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            } else {
                current += text[i];
                pending = true;
            }
        }
        if (pending) expected.push_back(current);
        ASSERT_EQ(SplitTextLines(text), expected) << "round " << round;
    }
}

TEST(TextLines, StreamedInAnyPiecesGivesTheLinesOfTheWhole) {
    std::mt19937 rng(11);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const std::size_t length = rng() % 40;
        for (std::size_t i = 0; i < length; ++i) {
            const unsigned r = rng() % 12;
            text += r < 2 ? '\r' : r < 4 ? '\n' : r == 4 && rng() % 4 == 0 ? '\0' : static_cast<char>('a' + r);
        }
        std::vector<std::string> streamed;
        const auto add = [&streamed](std::string_view line) { streamed.emplace_back(line); };
        TextLineStream stream;
        for (std::size_t pos = 0; pos < text.size();) {
            const std::size_t size = std::min<std::size_t>(text.size() - pos, rng() % 5);
            const bool more = stream.Feed(std::string_view(text).substr(pos, size), add);
            // Once a zero byte has been fed, the stream says so and takes no more.
            ASSERT_EQ(more, std::string_view(text).substr(0, pos + size).find('\0') == std::string_view::npos)
                << "round " << round;
            pos += size;
        }
        stream.Finish(add);
        ASSERT_EQ(streamed, SplitTextLines(text)) << "round " << round;
    }
}
