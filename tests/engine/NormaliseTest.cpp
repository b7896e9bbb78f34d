#include <gtest/gtest.h>

#include <random>

#include "engine/Letters.h"
#include "tests/common/Cp1251.h"

using namespace vellumar;
using vellumar::test::U;
using vellumar::test::W;

namespace {

// The spacing rules row by row, each replacing its pattern's first occurrence
// for as long as it occurs: slow but plainly the definition.
std::string ReferenceSpacing(std::string line) {
    static const std::pair<std::string, char> rows[] = {
        {"  ", ' '}, {", ", ','}, {" ,", ','}, {". ", '.'}, {" .", '.'}, {"; ", ';'}, {" ;", ';'},
        {": ", ':'}, {" :", ':'}, {"- ", '-'}, {" -", '-'}, {"= ", '='}, {" =", '='}, {" (", '('},
        {"( ", '('}, {" )", ')'}, {") ", ')'}, {"< ", '<'}, {"> ", '>'}, {" <", '<'}, {"\xB7", '*'},
        {" >", '>'}};
    for (const auto& [pattern, replacement] : rows) {
        for (std::size_t at; (at = line.find(pattern)) != std::string::npos;)
            line.replace(at, pattern.size(), 1, replacement);
    }
    return line;
}

std::string ReferenceNormalise(std::string line) {
    line = ReferenceSpacing(line);
    for (std::size_t i = 0; i < line.size() && IsUpperRussian(line[i]); ++i) line[i] = LowerChar(line[i]);
    if (line.empty()) return line;
    std::size_t end = 0;
    while (end + 1 < line.size() && IsLowerRussian(line[end])) ++end;
    if (line[end] == ' ' && end + 1 != line.size()) {
        line.erase(end, 1);
        line[end] = UpperChar(line[end]);
    }
    return line;
}

std::string RandomLine(std::mt19937& rng) {
    static const std::string pieces = W(" ,.;:-=()<>·*!") + W("котКОТёЁйЙ") + "xyZ1";
    std::string line(rng() % 24, ' ');
    for (char& c : line) c = pieces[rng() % pieces.size()];
    return line;
}

}  // namespace

TEST(NormaliseLine, ExamplesOfTypedLines) {
    EXPECT_EQ(U(NormaliseLine(W("кот домашнее животное"))), "котДомашнее животное");
    EXPECT_EQ(U(NormaliseLine(W("КОТ Домашнее животное"))), "котДомашнее животное");
    EXPECT_EQ(U(NormaliseLine(W("КОТ"))), "кот");
    EXPECT_EQ(U(NormaliseLine(W("кот ( зверь ) , мяу"))), "кот(зверь),мяу");
    EXPECT_EQ(U(NormaliseLine(W("кот  -  зверь·кошка"))), "кот-зверь*кошка");
    EXPECT_EQ(U(NormaliseLine(W("кот  домашний"))), "котДомашний");
    EXPECT_EQ(U(NormaliseLine(W("ЁЖ колючий"))), "ёжКолючий");
    EXPECT_EQ(U(NormaliseLine(W("кот 1 < 2 > 0 ; a : b = c"))), "кот1<2>0;a:b=c");
}

TEST(NormaliseLine, EdgesOfTheWord) {
    EXPECT_EQ(U(NormaliseLine(W("кот "))), "кот ");   // a final blank stays
    EXPECT_EQ(NormaliseLine(""), "");
    EXPECT_EQ(NormaliseLine(" "), " ");
    EXPECT_EQ(U(NormaliseLine(W("Я"))), "я");          // the last byte is lowered too
    EXPECT_EQ(U(NormaliseLine(W(" кот"))), "Кот");     // a leading blank is the word's end
    EXPECT_EQ(U(NormaliseLine(W("кОТ"))), "кОТ");      // only a leading upper-case run is lowered
    EXPECT_EQ(U(NormaliseLine(W("кот x"))), "котX");
    EXPECT_EQ(U(NormaliseLine(W("котДомашнее животное"))), "котДомашнее животное");
}

TEST(NormaliseLine, InPlaceFormAgreesAndKeepsAnyByte) {
    std::string line = W("СЛОН ") + std::string("\0\x01\xFF", 3) + W(" серый");
    const std::string expected = NormaliseLine(line);
    NormaliseLineInPlace(line);
    EXPECT_EQ(line, expected);
    EXPECT_EQ(line, W("слон") + std::string("\0\x01\xFF", 3) + W(" серый"));
}

TEST(NormaliseLine, AgreesWithTheRowByRowDefinitionOnRandomLines) {
    std::mt19937 rng(2024);
    for (int round = 0; round < 20000; ++round) {
        const std::string line = RandomLine(rng);
        ASSERT_EQ(NormaliseLine(line), ReferenceNormalise(line)) << "line: " << U(line);
    }
}

TEST(NormaliseLine, IsIdempotentOnItsOutput) {
    std::mt19937 rng(77);
    for (int round = 0; round < 20000; ++round) {
        std::string line = RandomLine(rng);
        if (!line.empty() && line[0] == ' ') line[0] = 'x';
        const std::string once = NormaliseLine(line);
        ASSERT_EQ(NormaliseLine(once), once) << "line: " << U(line);
    }
    // A leading blank is removed and the next byte capitalised, which the
    // next pass lowers as the start of the word: the one way to need two passes.
    EXPECT_EQ(U(NormaliseLine(NormaliseLine(W(" а")))), "а");
}

TEST(NormaliseLine, HostileRunsOfBlanksAndSignsStayLinear) {
    // A quadratic replacement loop would take minutes on these.
    const std::string blanks(1 << 20, ' ');
    EXPECT_EQ(NormaliseLine(W("кот") + blanks + W("зверь")), W("котЗверь"));
    std::string mixed;
    for (int i = 0; i < (1 << 18); ++i) mixed += " , ";
    EXPECT_EQ(NormaliseLine(W("кот") + mixed), W("кот") + std::string(1 << 18, ','));
}

TEST(SpaceDefinition, PutsBlanksBackForDisplay) {
    EXPECT_EQ(U(SpaceDefinition(W("Домашнее животное,мяукает(кошачьи)"))),
              "Домашнее животное, мяукает (кошачьи)");
    EXPECT_EQ(U(SpaceDefinition(W("а,б"))), "а, б");
    EXPECT_EQ(SpaceDefinition(","), ",");
    EXPECT_EQ(SpaceDefinition(""), "");
    EXPECT_EQ(U(SpaceDefinition(W("(а)"))), " (а)");
    EXPECT_EQ(SpaceDefinition("a.b;c:d-e!f?g)h"), "a. b; c: d- e! f? g) h");
    EXPECT_EQ(SpaceDefinition("a(("), "a ((");   // the last byte is never looked at
    EXPECT_EQ(SpaceDefinition(".."), ". .");
}
