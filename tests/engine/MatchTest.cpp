#include <gtest/gtest.h>

#include "engine/Convert.h"
#include "engine/Exception.h"
#include "engine/Match.h"
#include "tests/common/Cp1251.h"

using namespace vellumar;
using vellumar::test::W;

namespace {

SearchSettings WithWeight(const std::string& comparison, const std::string& value) {
    SearchSettings s;
    s.weight = {true, comparison, value};
    return s;
}

bool Mask(const std::string& mask, const std::string& word, const SearchSettings& s = {}) {
    return MatchMask(W(mask), W(word), s);
}

}  // namespace

TEST(MatchMask, LettersAndBlanks) {
    EXPECT_TRUE(Mask("К Т", "кот"));
    EXPECT_TRUE(Mask("К Т", "кит"));
    EXPECT_TRUE(Mask("К Т", "КАТ"));
    EXPECT_FALSE(Mask("К Т", "коты"));
    EXPECT_FALSE(Mask("К Т", "кол"));
    EXPECT_FALSE(Mask("К Т", "тот"));
    EXPECT_TRUE(Mask("   ", "ёжи"));
    EXPECT_FALSE(Mask("", ""));
    EXPECT_FALSE(Mask("", "кот"));
    EXPECT_FALSE(Mask(" ", ""));
    EXPECT_FALSE(Mask("кот", "кот"));   // masks are upper case; a lower-case mask letter fits nothing
}

TEST(MatchMask, LetterEquivalences) {
    SearchSettings on;
    SearchSettings off;
    off.equivalences = {false, false, false};
    EXPECT_TRUE(Mask("ЕЖ", "ёж", on));
    EXPECT_TRUE(Mask("ЁЖ", "еж", on));
    EXPECT_FALSE(Mask("ЕЖ", "ёж", off));
    EXPECT_FALSE(Mask("ЁЖ", "еж", off));
    EXPECT_TRUE(Mask("ЁЖ", "ёж", off));
    EXPECT_TRUE(Mask("ИОД", "йод", on));
    EXPECT_TRUE(Mask("ОБЬЕМ", "объем", on));
    EXPECT_FALSE(Mask("ОБЬЕМ", "объем", off));
}

TEST(MatchMask, WeightFilter) {
    EXPECT_TRUE(Mask("   ", "кот", WithWeight("=", "48")));
    EXPECT_FALSE(Mask("   ", "кит", WithWeight("=", "48")));
    EXPECT_TRUE(Mask("   ", "кит", WithWeight("<=", "42")));
    EXPECT_FALSE(Mask("   ", "кот", WithWeight("<=", "42")));
    EXPECT_TRUE(Mask("   ", "кот", WithWeight("=>", "48")));
    EXPECT_FALSE(Mask("   ", "кит", WithWeight("=>", "48")));
    EXPECT_TRUE(Mask("   ", "кит", WithWeight(">", "1000")));   // unknown comparison: no condition
    // The weight is taken after folding: ё weighs as е while yo_ye is on.
    EXPECT_TRUE(Mask("  ", "ёж", WithWeight("=", "14")));
    SearchSettings strict = WithWeight("=", "15");
    strict.equivalences.yo_ye = false;
    EXPECT_TRUE(Mask("  ", "ёж", strict));
    // A disabled filter ignores even a bad value.
    SearchSettings disabled = WithWeight("=", "1a");
    disabled.weight.enabled = false;
    EXPECT_TRUE(Mask("   ", "кот", disabled));
}

TEST(MatchMask, BadWeightValueFailsOnlyAfterTheLetters) {
    const SearchSettings bad = WithWeight("=", "1a");
    EXPECT_FALSE(Mask("К Т", "дом", bad));   // letters differ: the value is never read
    try {
        Mask("К Т", "кот", bad);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'1a' is not a valid integer value");
        EXPECT_STREQ(e.ClassName(), "EConvertError");
    }
    // Even a comparison that sets no condition reads the value.
    EXPECT_THROW(Mask("К Т", "кот", WithWeight("?", "")), EConvertError);
}

TEST(StrToInt, WholeNumbers) {
    EXPECT_EQ(StrToInt("10"), 10);
    EXPECT_EQ(StrToInt("  42"), 42);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("-0"), 0);
    EXPECT_EQ(StrToInt("-13"), -13);
    EXPECT_EQ(StrToInt("$1F"), 31);
    EXPECT_EQ(StrToInt("0x1f"), 31);
    EXPECT_EQ(StrToInt("-$10"), -16);
    EXPECT_EQ(StrToInt("007"), 7);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(StrToInt("$7FFFFFFF"), 2147483647);
}

TEST(StrToInt, RejectsWhatIsNoWholeNumber) {
    for (const char* text : {"", " ", "1a", "1 ", "+", "-", "$", "0x", "1.5", "--1", "$G", "12e3",
                             "2147483648", "-2147483649", "$80000000", "99999999999999999999999"}) {
        EXPECT_THROW(StrToInt(text), EConvertError) << "'" << text << "'";
    }
    try {
        StrToInt(W("1б") + "\n");
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'1?" "?' is not a valid integer value");   // stays ASCII, valid UTF-8
    }
}

TEST(MatchDefinition, AnyRunOfRussianLettersMayFit) {
    const SearchSettings s;
    EXPECT_TRUE(MatchDefinition(W("КОТ"), W("Домашний кот, мяукает"), s));
    EXPECT_TRUE(MatchDefinition(W("КОТ"), W("кот1"), s));
    EXPECT_TRUE(MatchDefinition(W("КОТ"), W("1кот"), s));
    EXPECT_TRUE(MatchDefinition(W("КОТ"), W("котxкот"), s));
    EXPECT_FALSE(MatchDefinition(W("КОТ"), W("Котёнок"), s));
    EXPECT_FALSE(MatchDefinition(W("КОТ"), "", s));
    EXPECT_FALSE(MatchDefinition(W("КОТ"), "12345 ,.", s));
    EXPECT_FALSE(MatchDefinition("CAT", "cat CAT Cat", s));
    EXPECT_TRUE(MatchDefinition(W("ЕЖ"), W("Колючий ёж"), s));
    EXPECT_TRUE(MatchDefinition(W("  "), W("Очень злой ёж"), WithWeight("=", "14")));
    EXPECT_FALSE(MatchDefinition(W("  "), W("Очень злой ёж"), WithWeight("=", "15")));
}
