#include <gtest/gtest.h>

#include <random>

#include "app/ExchangeOrder.h"
#include "app/ResultOrder.h"
#include "engine/Letters.h"
#include "tests/app/TestSupport.h"

namespace vellumar {
namespace {

using test::W;
using test::Ws;
using List = std::vector<std::string>;

bool BytesGreater(std::string_view a, std::string_view b) { return a.compare(b) > 0; }

// The result list's exchange sort as written: quadratic, the reference.
template <typename Greater>
void ExchangeSort(List& e, Greater greater) {
    for (std::size_t i = 0; i + 1 < e.size(); ++i)
        for (std::size_t j = i + 1; j < e.size(); ++j)
            if (greater(WordPart(e[j]), WordPart(e[i]))) std::swap(e[i], e[j]);
}

bool LengthGreater(std::string_view wj, std::string_view wi) {
    return wj.size() > wi.size() || (wj.size() == wi.size() && BytesGreater(wj, wi));
}

bool WeightGreater(std::string_view wj, std::string_view wi) {
    const int a = WordWeight(wj), b = WordWeight(wi);
    return a > b || (a == b && LengthGreater(wj, wi));
}

// Lists with many equal words that differ only in their definitions, so that
// every move of the tied entries shows.
List RandomList(std::mt19937& rng, std::size_t n) {
    const std::string letters = W("абвёя");
    List out;
    for (std::size_t k = 0; k < n; ++k) {
        std::string word;
        const int len = static_cast<int>(rng() % 4);
        for (int i = 0; i < len; ++i) word += letters[rng() % letters.size()];
        out.push_back(word + "#" + std::to_string(k));
    }
    return out;
}

TEST(ResultOrderTest, LengthAndWeightMatchTheExchangeSortOnRandomLists) {
    std::mt19937 rng(12345);
    for (int trial = 0; trial < 400; ++trial) {
        const List original = RandomList(rng, 1 + rng() % 120);
        List expected = original, actual = original;
        ExchangeSort(expected, LengthGreater);
        SortByLength(actual);
        ASSERT_EQ(actual, expected) << "length, trial " << trial;

        expected = actual = original;
        ExchangeSort(expected, WeightGreater);
        SortByWeight(actual);
        ASSERT_EQ(actual, expected) << "weight, trial " << trial;
    }
}

TEST(ResultOrderTest, ExchangeOrderOfRanksMatchesTheReference) {
    // Few ranks and long lists: long queues that turn many times.
    std::mt19937 rng(777);
    for (int trial = 0; trial < 200; ++trial) {
        const std::size_t n = 1 + rng() % 300;
        const std::uint32_t rankCount = 1 + rng() % 4;
        std::vector<std::uint32_t> ranks(n);
        for (auto& r : ranks) r = rng() % rankCount;

        std::vector<std::size_t> expected(n);
        for (std::size_t k = 0; k < n; ++k) expected[k] = k;
        for (std::size_t i = 0; i + 1 < n; ++i)
            for (std::size_t j = i + 1; j < n; ++j)
                if (ranks[expected[j]] > ranks[expected[i]]) std::swap(expected[i], expected[j]);
        ASSERT_EQ(ExchangeSortOrder(ranks), expected) << "trial " << trial;
    }
    EXPECT_TRUE(ExchangeSortOrder({}).empty());
}

TEST(ResultOrderTest, ExamplesOfTheLengthAndWeightOrders) {
    List byLength = Ws({"кот", "сом", "ёж", "аист"});
    SortByLength(byLength);
    EXPECT_EQ(byLength, Ws({"аист", "сом", "кот", "ёж"}));

    List sameWeight = Ws({"аб", "ба"});
    SortByWeight(sameWeight);
    EXPECT_EQ(sameWeight, Ws({"ба", "аб"}));

    List anagrams = Ws({"котЗверь", "ток"});
    SortByWeight(anagrams);
    EXPECT_EQ(anagrams, Ws({"ток", "котЗверь"}));

    List one = Ws({"кот"});
    SortByLength(one);
    EXPECT_EQ(one, Ws({"кот"}));
}

TEST(ResultOrderTest, AlphabeticalGroupsByWordWithYoAfterYe) {
    List list = Ws({"жук", "ёж", "ель", "еда", "ЯкорьБезСлова"});
    SortAlphabetical(list);
    // A line without a word sorts before every word.
    EXPECT_EQ(list, Ws({"ЯкорьБезСлова", "еда", "ель", "ёж", "жук"}));

    // By word first: «кот» stays before «кота» whatever the definitions.
    list = Ws({"котаЗверь", "котБольшой", "кот"});
    SortAlphabetical(list);
    EXPECT_EQ(list, Ws({"кот", "котБольшой", "котаЗверь"}));

    // Within one word: the whole text without case; signs before letters.
    list = Ws({"котДОМ БЕЛЫЙ", "котДом алый", "кот-мяу", "кот(зверь)"});
    SortAlphabetical(list);
    EXPECT_EQ(list, Ws({"кот(зверь)", "кот-мяу", "котДом алый", "котДОМ БЕЛЫЙ"}));

    // Latin letters come before Russian ones and ignore case too.
    list = Ws({"котЯ", "котb", "котA"});
    SortAlphabetical(list);
    EXPECT_EQ(list, Ws({"котA", "котb", "котЯ"}));

    EXPECT_EQ(CompareAlphabetical(W("котДом"), W("котДом")), 0);
    EXPECT_LT(CompareAlphabetical(W("котДОМ"), W("котДом")), 0);  // equal but for case: by bytes
}

TEST(ResultOrderTest, MergeJoinsNeighboursOfOneWord) {
    List list = Ws({"котДомашнее животное", "котРыба", "сом"});
    MergeDuplicateWords(list);
    EXPECT_EQ(list, Ws({"котДомашнее животное·Рыба", "сом"}));

    list = Ws({"котА", "котБ", "котВ"});
    MergeDuplicateWords(list);
    EXPECT_EQ(list, Ws({"котА·Б·В"}));

    // No separator after an empty definition.
    list = Ws({"кот", "котЗверь"});
    MergeDuplicateWords(list);
    EXPECT_EQ(list, Ws({"котЗверь"}));

    // The same line from two dictionaries keeps its definition twice.
    list = Ws({"котЗверь", "котЗверь", "кит", "кит"});
    MergeDuplicateWords(list);
    EXPECT_EQ(list, Ws({"котЗверь·Зверь", "кит"}));

    list.clear();
    MergeDuplicateWords(list);
    EXPECT_TRUE(list.empty());
}

TEST(ResultOrderTest, MergeTakesAtMost1024BytesFromEachLaterEntry) {
    const std::string b(1000, 'B'), c(100, 'C');
    List list{W("кот") + "A", W("кот") + b, W("кот") + c};
    MergeDuplicateWords(list);
    ASSERT_EQ(list.size(), 1u);
    // The middle entry holds B·C (1101 bytes); the first takes 1024 of them.
    const std::string middle = b + DefinitionSeparator + c;
    EXPECT_EQ(list[0], W("кот") + "A" + DefinitionSeparator + middle.substr(0, 1024));
}

}  // namespace
}  // namespace vellumar
