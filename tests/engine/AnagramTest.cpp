#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine/Match.h"
#include "tests/common/Cp1251.h"

using namespace vellumar;
using vellumar::test::W;

namespace {
bool Anagram(const std::string& query, const std::string& line, LetterEquivalences eq = {}) {
    return MatchAnagram(W(query), W(line), eq);
}
}  // namespace

TEST(MatchAnagram, SameLettersInAnyOrder) {
    EXPECT_TRUE(Anagram("КОТ", "кот"));
    EXPECT_TRUE(Anagram("КОТ", "токЧасть электричества"));
    EXPECT_TRUE(Anagram("КОТ", "кто"));
    EXPECT_FALSE(Anagram("КОТ", "котт"));
    EXPECT_FALSE(Anagram("КОТ", "кит"));
    EXPECT_FALSE(Anagram("КОТ", "ко"));
    EXPECT_FALSE(Anagram("КОТ", "Кот"));          // no word: the line starts with an upper-case letter
    EXPECT_TRUE(Anagram("ААБ", "баа"));
    EXPECT_FALSE(Anagram("ААБ", "абб"));
    EXPECT_FALSE(Anagram("", "кот"));
    EXPECT_TRUE(Anagram("", "Кот"));              // empty query, empty word
}

TEST(MatchAnagram, LetterEquivalences) {
    const LetterEquivalences off{false, false, false};
    EXPECT_TRUE(Anagram("ЕЛКА", "ёлка"));
    EXPECT_TRUE(Anagram("ЁЛКА", "елка"));
    EXPECT_FALSE(Anagram("ЕЛКА", "ёлка", off));
    EXPECT_FALSE(Anagram("ЁЛКА", "елка", off));
    EXPECT_TRUE(Anagram("ИОД", "йод"));
    EXPECT_FALSE(Anagram("ИОД", "йод", off));
}

TEST(MatchAnagram, AgreesWithSortedLettersOnRandomWords) {
    // Shuffles of a word fit; changing one letter does not.
    std::mt19937 rng(5);
    const std::string letters = W("абвгдежзклмнопрст");
    for (int round = 0; round < 3000; ++round) {
        std::string word(1 + rng() % 10, ' ');
        for (char& c : word) c = letters[rng() % letters.size()];
        std::string query = UpperString(word);
        std::shuffle(query.begin(), query.end(), rng);
        ASSERT_TRUE(MatchAnagram(query, word + W("Опр"), {}));
        std::string other = word;
        const std::size_t at = rng() % other.size();
        other[at] = other[at] == letters[0] ? letters[1] : letters[0];
        std::string a = UpperString(other), b = query;
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        ASSERT_EQ(MatchAnagram(query, other, {}), a == b);
    }
}
