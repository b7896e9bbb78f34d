#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "engine/Exception.h"
#include "engine/Messages.h"
#include "engine/Search.h"
#include "engine/TextLines.h"
#include "tests/common/Cp1251.h"

using namespace vellumar;
using vellumar::test::U;
using vellumar::test::W;

namespace {

std::vector<std::string> Lines(std::initializer_list<const char*> utf8) {
    std::vector<std::string> lines;
    for (const char* line : utf8) lines.push_back(W(line));
    return lines;
}

// Runs a search and returns the hits in UTF-8.
std::vector<std::string> Search(const std::string& mask, bool anagram, std::vector<std::string>& lines,
                             const SearchSettings& s = {}) {
    std::vector<std::string> hits;
    SearchDictionary(W(mask), anagram, lines, s, [&hits](std::string_view hit) { hits.push_back(U(std::string(hit))); });
    return hits;
}

bool AllEmpty(const std::vector<std::string>& lines) {
    for (const auto& line : lines)
        if (!line.empty()) return false;
    return true;
}

class RecordedMessages {
public:
    RecordedMessages() {
        previous_ = SetMessageHandler([this](const std::string& text) { shown.push_back(text); });
    }
    ~RecordedMessages() { SetMessageHandler(previous_); }
    std::vector<std::string> shown;

private:
    MessageHandler previous_;
};

class TempFile {
public:
    explicit TempFile(const std::string& content) {
        path_ = (std::filesystem::temp_directory_path() /
                 ("vellumar_engine_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name()))
                    .string();
        std::ofstream(path_, std::ios::binary) << content;
    }
    ~TempFile() { std::filesystem::remove(path_); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace

TEST(SearchDictionary, WordsModeNormalisesAndEmptiesEveryLine) {
    auto lines = Lines({"КОТ Домашнее животное", "", "кит  морской", "коты", "кол", "катДеньги", "Кот без слова"});
    const auto hits = Search("К Т", false, lines);
    EXPECT_EQ(hits, (std::vector<std::string>{"котДомашнее животное", "китМорской", "катДеньги", "котБез слова"}));
    EXPECT_TRUE(AllEmpty(lines));
    EXPECT_EQ(lines.size(), 7u);
}

TEST(SearchDictionary, DefinitionModesAddAWholeLineOnce) {
    SearchSettings definitions;
    definitions.mode = SearchMode::Definitions;
    auto lines = Lines({"котЗверь, ловит кит", "кит", "слонБольше чем кот"});
    EXPECT_EQ(Search("К Т", false, lines, definitions),
              (std::vector<std::string>{"котЗверь,ловит кит", "слонБольше чем кот"}));

    SearchSettings both;
    both.mode = SearchMode::WordsAndDefinitions;
    lines = Lines({"котЗверь, ловит кит", "кит", "слонБольше чем кот", "домКрыша"});
    EXPECT_EQ(Search("К Т", false, lines, both),
              (std::vector<std::string>{"котЗверь,ловит кит", "кит", "слонБольше чем кот"}));
    EXPECT_TRUE(AllEmpty(lines));
}

TEST(SearchDictionary, AnagramModeTestsOnlyTheWord) {
    SearchSettings s;
    s.weight = {true, "=", "1a"};   // no weight filter on anagrams
    auto lines = Lines({"ток электрический", "КТО", "кит", "котт", "окт"});
    EXPECT_EQ(Search("КОТ", true, lines, s), (std::vector<std::string>{"токЭлектрический", "кто", "окт"}));
    EXPECT_TRUE(AllEmpty(lines));
}

TEST(SearchDictionary, EmptyOrBlankListsAddNothing) {
    std::vector<std::string> lines(5);
    EXPECT_TRUE(Search("К Т", false, lines).empty());
    EXPECT_TRUE(Search("КОТ", true, lines).empty());
    std::vector<std::string> none;
    EXPECT_TRUE(Search("К Т", false, none).empty());
}

TEST(SearchDictionary, BadWeightValueEndsTheRunAtTheFirstLetterFit) {
    SearchSettings s;
    s.weight = {true, "=", "1a"};
    auto lines = Lines({"домКрыша", "котЗверь", "китРыба"});
    std::vector<std::string> hits;
    try {
        SearchDictionary(W("К Т"), false, lines, s, [&hits](std::string_view h) { hits.emplace_back(h); });
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'1a' is not a valid integer value");
    }
    EXPECT_TRUE(hits.empty());
    EXPECT_TRUE(lines[0].empty() && lines[1].empty());
    EXPECT_EQ(lines[2], W("китРыба"));   // the run stopped before this line

    auto noFit = Lines({"домКрыша", "слонЗверь"});
    EXPECT_TRUE(Search("К Т", false, noFit, s).empty());
}

TEST(SearchFileLine, EveryFittingRunIsAddedLowerCased) {
    const SearchSettings s;
    std::vector<std::string> words;
    SearchFileLine(W("КОТ"), W("Кот и кот, КОТ!"), words, s);
    EXPECT_EQ(words, std::vector<std::string>(3, W("кот")));
    words.clear();
    SearchFileLine(W("К Т"), W("кит-кат котёнок"), words, s);
    EXPECT_EQ(words, (std::vector<std::string>{W("кит"), W("кат")}));
    words.clear();
    SearchFileLine(W("ЕЖ"), W("ЁЖ, еж"), words, s);   // the word keeps its own letters
    EXPECT_EQ(words, (std::vector<std::string>{W("ёж"), W("еж")}));
    words.clear();
    SearchFileLine(W("КОТ"), "", words, s);
    EXPECT_TRUE(words.empty());
}

TEST(SearchFile, UnreadableFilesAreReportedAndGiveNoWords) {
    RecordedMessages messages;
    const std::string missing = "/nonexistent/vellumar/words.txt";
    EXPECT_TRUE(SearchFile(W("КОТ"), missing, {}).empty());
    const std::string directory = std::filesystem::temp_directory_path().string();
    EXPECT_TRUE(SearchFile(W("КОТ"), directory, {}).empty());
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0], W("Не могу прочитать файл ") + missing);
    EXPECT_EQ(messages.shown[1], W("Не могу прочитать файл ") + directory);
}

TEST(SearchFile, ReadsEveryLineWhateverItsEnding) {
    RecordedMessages messages;
    TempFile file(W("кот\r\nКОТ и кит\rкот\nкат") + std::string(1, '\0') + W("кот"));
    EXPECT_EQ(SearchFile(W("К Т"), file.path(), {}),
              (std::vector<std::string>{W("кот"), W("кот"), W("кит"), W("кот"), W("кат"), W("кот")}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST(SearchFile, LongLinesAndRunsGiveWhatTheLinesGive) {
    // Blocks of the reader end inside lines and inside runs of letters; the
    // result must be that of searching each line whole.
    std::mt19937 rng(99);
    const std::string pieces = W("котКТ ,");
    std::string content;
    for (int line = 0; line < 20; ++line) {
        const std::size_t length = rng() % 3 ? rng() % 50000 : 200000 + rng() % 100000;
        for (std::size_t i = 0; i < length; ++i)
            content += (line % 5 == 4 && i < length - 8) ? W("к")[0] : pieces[rng() % pieces.size()];
        content += "\r\n";
    }
    TempFile file(content);
    for (const std::string& mask : {W("К Т"), W("   "), W("КОТКОТ")}) {
        std::vector<std::string> expected;
        for (const std::string& line : SplitTextLines(content))
            SearchFileLine(mask, line, expected, {});
        const auto got = SearchFile(mask, file.path(), {});
        ASSERT_EQ(got.size(), expected.size()) << U(mask);
        EXPECT_EQ(got, expected);
    }
}
