#include <gtest/gtest.h>

#include <random>

#include "engine/Letters.h"
#include "tests/common/Cp1251.h"

using namespace vellumar;
using vellumar::test::U;
using vellumar::test::W;

TEST(Letters, CaseOfSingleBytes) {
    EXPECT_EQ(UpperChar(W("ё")[0]), W("Ё")[0]);
    EXPECT_EQ(LowerChar(W("Ё")[0]), W("ё")[0]);
    EXPECT_EQ(UpperChar(W("я")[0]), W("Я")[0]);
    EXPECT_EQ(LowerChar(W("А")[0]), W("а")[0]);
    EXPECT_EQ(UpperChar('z'), 'Z');
    EXPECT_EQ(LowerChar('A'), 'a');
    for (char c : W("№·09 ,.\t") + std::string(1, '\0')) {
        EXPECT_EQ(UpperChar(c), c) << int(static_cast<unsigned char>(c));
        EXPECT_EQ(LowerChar(c), c) << int(static_cast<unsigned char>(c));
    }
}

TEST(Letters, CaseOfWholeTextsAgreesWithIconvOnTheAlphabet) {
    // The whole cp1251 Russian alphabet in both cases, checked against an independent converter.
    const std::string lower = W("абвгдеёжзийклмнопрстуфхцчшщъыьэюя");
    const std::string upper = W("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
    EXPECT_EQ(upper, std::string(Alphabet));
    EXPECT_EQ(UpperString(lower), upper);
    EXPECT_EQ(LowerString(upper), lower);
    EXPECT_EQ(UpperString("Hello, World 1"), "HELLO, WORLD 1");
}

TEST(Letters, CaseRoundTripsOverEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string lower = LowerString(all);
    const std::string upper = UpperString(all);
    ASSERT_EQ(lower.size(), 256u);
    ASSERT_EQ(upper.size(), 256u);
    EXPECT_EQ(UpperString(lower), upper);
    EXPECT_EQ(LowerString(upper), lower);
    int changed = 0;
    for (int b = 0; b < 256; ++b) changed += all[b] != upper[b];
    EXPECT_EQ(changed, 26 + 33);   // Latin a..z and the Russian lower-case letters
}

TEST(Letters, ClassesAndPositions) {
    int lower = 0, upper = 0;
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        lower += IsLowerRussian(c);
        upper += IsUpperRussian(c);
        EXPECT_EQ(IsRussianLetter(c), IsLowerRussian(c) || IsUpperRussian(c));
        EXPECT_EQ(AlphabetPosition(c) != 0, IsRussianLetter(c));
    }
    EXPECT_EQ(lower, 33);
    EXPECT_EQ(upper, 33);
    for (std::size_t i = 0; i < Alphabet.size(); ++i) {
        EXPECT_EQ(AlphabetPosition(Alphabet[i]), int(i) + 1);
        EXPECT_EQ(AlphabetPosition(LowerChar(Alphabet[i])), int(i) + 1);
    }
    EXPECT_EQ(AlphabetPosition(W("Ё")[0]), 7);
    EXPECT_EQ(AlphabetPosition(W("Ж")[0]), 8);
    EXPECT_EQ(AlphabetPosition('A'), 0);
}

TEST(Letters, WordAndDefinitionParts) {
    const std::string line = W("котДомашнее животное");
    EXPECT_EQ(WordPart(line), W("кот"));
    EXPECT_EQ(DefinitionPart(line), W("Домашнее животное"));
    EXPECT_EQ(WordPart(W("Домашнее")), "");
    EXPECT_EQ(DefinitionPart(W("Домашнее")), W("Домашнее"));
    EXPECT_EQ(WordPart(W("кот")), W("кот"));
    EXPECT_EQ(DefinitionPart(W("кот")), "");
    EXPECT_EQ(WordPart(W("catДом")), "");
    EXPECT_EQ(WordPart(W("ёжик1")), W("ёжик"));
    EXPECT_EQ(WordPart(""), "");
}

TEST(Letters, DefinitionIsCutAt1024Bytes) {
    std::string definition(1500, 'x');
    for (std::size_t i = 0; i < definition.size(); ++i) definition[i] = static_cast<char>('a' + i % 26);
    const std::string line = W("кот") + definition;
    EXPECT_EQ(DefinitionPart(line), definition.substr(0, 1024));
    EXPECT_EQ(DefinitionPart(W("кот") + definition.substr(0, 1024)).size(), 1024u);
}

TEST(Letters, WordWeight) {
    EXPECT_EQ(WordWeight(W("кот")), 48);
    EXPECT_EQ(WordWeight(W("КОТ")), 48);
    EXPECT_EQ(WordWeight(W("ёж")), 15);
    EXPECT_EQ(WordWeight(Alphabet), 561);
    EXPECT_EQ(WordWeight(LowerString(Alphabet)), 561);
    EXPECT_EQ(WordWeight(W("Kот")), 36);   // Latin K adds nothing
    EXPECT_EQ(WordWeight(W("к о-т!7")), 48);
    EXPECT_EQ(WordWeight(""), 0);
}

TEST(Letters, FoldLettersFollowsEachFlag) {
    const std::string text = W("ЁЛКА ёж йод ЙОД ъер ЪЕР");
    LetterEquivalences onlyYo{true, false, false};
    EXPECT_EQ(U(FoldLetters(W("ЁЛКА ёж йод"), onlyYo)), "ЕЛКА еж йод");
    EXPECT_EQ(U(FoldLetters(text, {false, true, false})), "ЁЛКА ёж иод ИОД ъер ЪЕР");
    EXPECT_EQ(U(FoldLetters(text, {false, false, true})), "ЁЛКА ёж йод ЙОД ьер ЬЕР");
    EXPECT_EQ(U(FoldLetters(text, {})), "ЕЛКА еж иод ИОД ьер ЬЕР");
    EXPECT_EQ(FoldLetters(text, {false, false, false}), text);
}

TEST(LettersProperty, RandomTextsKeepLengthAndCaseLaws) {
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 2000; ++round) {
        std::string text(rng() % 40, '\0');
        for (char& c : text) c = static_cast<char>(byte(rng));
        for (int flags = 0; flags < 8; ++flags) {
            LetterEquivalences eq{bool(flags & 1), bool(flags & 2), bool(flags & 4)};
            const std::string folded = FoldLetters(text, eq);
            ASSERT_EQ(folded.size(), text.size());
            // Folding never changes case, and folding twice changes nothing more.
            ASSERT_EQ(UpperString(folded), FoldLetters(UpperString(text), eq));
            ASSERT_EQ(FoldLetters(folded, eq), folded);
        }
        ASSERT_EQ(UpperString(LowerString(text)), UpperString(text));
        ASSERT_EQ(LowerString(UpperString(text)), LowerString(text));
        ASSERT_EQ(WordWeight(UpperString(text)), WordWeight(text));
    }
}
