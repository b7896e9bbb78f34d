#include <gtest/gtest.h>

#include <filesystem>

#include "app/Statistics.h"
#include "engine/Letters.h"
#include "tests/app/TestSupport.h"

namespace vellumar {
namespace {

using test::MessageRecorder;
using test::ScratchDir;
using test::W;
using test::Ws;

TEST(StatisticsTest, CountsLengthsAndLettersOfWordsAndDefinitions) {
    Statistics s;
    const std::string tooLong(23, '\xE0');  // 23 × «а»
    CountLines(s, Ws({"котЗверь", "ёжик", "я", "Без слова"}), false);
    CountLines(s, {tooLong, ""}, false);
    EXPECT_EQ(s.lengthCounts[3], 1);
    EXPECT_EQ(s.lengthCounts[4], 1);
    EXPECT_EQ(s.LengthTotal(), 2);  // «я» (1 letter) and 23 letters are not counted
    // к о т З в е р ь + ё ж и к + я + Б е з с л о в а + 23 а
    EXPECT_EQ(s.letterCounts[AlphabetPosition('\xCA')], 2);   // К
    EXPECT_EQ(s.letterCounts[7], 1);                          // Ё counted as itself
    EXPECT_EQ(s.letterCounts[1], 24);                         // А
    EXPECT_EQ(s.LetterTotal(), 8 + 4 + 1 + 8 + 23);
}

TEST(StatisticsTest, SharesRoundHalfToEvenAndAddUp) {
    EXPECT_EQ(FormatShare(1, 8), "12,5");
    EXPECT_EQ(FormatShare(3, 40), "7,5");
    EXPECT_EQ(FormatShare(1234, 10000), "12,34");
    EXPECT_EQ(FormatShare(5, 5), "100");
    EXPECT_EQ(FormatShare(0, 5), "0");
    EXPECT_EQ(FormatShare(1, 3, '.'), "33.33");
    // Exact halves of a hundredth go to the even neighbour: 0.125 % and 0.375 %.
    EXPECT_EQ(FormatShare(1, 800), "0,12");
    EXPECT_EQ(FormatShare(3, 800), "0,38");
    EXPECT_EQ(FormatShare(1, 20000), "0");       // 0.005 % → 0.00
    EXPECT_EQ(FormatShare(3, 20000), "0,02");    // 0.015 % → 0.02
    // Counts whose product with 10000 would overflow 64 bits.
    const std::int64_t huge = std::int64_t{1} << 61;
    EXPECT_EQ(FormatShare(huge, huge * 2 + (huge - 1) * 2), "25");
    EXPECT_EQ(FormatShare(3, 0), "0");

    Statistics s;
    CountLines(s, Ws({"котДомашнее животное", "ёжЕжевика", "щукаРыба"}), false);
    std::int64_t hundredths = 0;
    for (int j = 1; j <= LetterCount; ++j) {
        const std::string share = FormatShare(s.letterCounts[j], s.LetterTotal(), '.');
        hundredths += static_cast<std::int64_t>(std::stod(share) * 100 + 0.5);
    }
    EXPECT_NEAR(static_cast<double>(hundredths), 10000.0, 33.0);
}

TEST(StatisticsTest, LabelsAndBoldPlaces) {
    Statistics s;
    EXPECT_EQ(s.BoldLength(), 22);  // all counts 0: the longest wins
    EXPECT_EQ(s.BoldLetter(), 33);
    EXPECT_EQ(LetterLabel(s, 1), W("А - 0 %"));
    s.lengthCounts[5] = 7;
    s.lengthCounts[9] = 7;
    EXPECT_EQ(s.BoldLength(), 9);
    s.letterCounts[7] = 3;
    s.letterCounts[1] = 1;
    EXPECT_EQ(s.BoldLetter(), 7);
    EXPECT_EQ(LetterLabel(s, 7), W("Ё - 75 %"));

    EXPECT_EQ(LengthCaption(2), W("2 буквы"));
    EXPECT_EQ(LengthCaption(5), W("5 букв"));
    EXPECT_EQ(LengthCaption(21), W("21 буква"));
    EXPECT_EQ(LengthCaption(22), W("22 буквы"));
    EXPECT_EQ(LengthLabel(s, 5), W("5 букв - 7 шт."));
    EXPECT_EQ(LengthLabel(s, 23), W("Всего - 14 шт."));
    EXPECT_EQ(DictionaryCountCaption(3), W("Количество словарей - 3 шт."));
}

TEST(StatisticsTest, GathersPlainTextDictionariesCheckedOrNot) {
    ScratchDir dir;
    dir.Write("a.dic", W("Заголовок с буквами\r\nкотЗверь\r\nсом\r\n"));
    dir.Write("title.dic", W("Только заголовок\r\n"));
    std::filesystem::create_directory(dir.Path() / "old.dic");
    DictionaryCatalogue catalogue(3);
    catalogue[0].path = dir.File("a.dic");
    catalogue[0].checked = false;
    catalogue[1].path = dir.File("title.dic");
    catalogue[2].path = dir.File("old.dic");

    MessageRecorder recorder;
    std::vector<std::size_t> done;
    std::vector<long> positions;
    StatisticsProgress progress;
    progress.dictionaryDone = [&](std::size_t i) { done.push_back(i); };
    progress.innerPosition = [&](long p) { positions.push_back(p); };
    Statistics s;
    GatherStatistics(s, catalogue, progress);
    EXPECT_EQ(s.lengthCounts[3], 2);
    EXPECT_EQ(s.LetterTotal(), 11);  // the titles count nothing
    EXPECT_EQ(done, (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_EQ(positions, (std::vector<long>{0, 1}));
    EXPECT_EQ(recorder.messages, std::vector<std::string>{W("Не могу прочитать пользовательский словарь")});
}

}  // namespace
}  // namespace vellumar
