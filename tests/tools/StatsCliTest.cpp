// The statistics pass over archives, and vellumar-cli stats end to end.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/Catalogue.h"
#include "app/Statistics.h"
#include "tests/app/CliSupport.h"

namespace vellumar {
namespace {

using test::CliResult;
using test::MessageRecorder;
using test::RunCli;
using test::ScratchDir;
using test::W;
using test::Ws;

TEST(StatsTest, ArchiveAndPlainTextInEitherOrder) {
    ScratchDir dir;
    // One archive line per member, 1-letter and 23-letter words included.
    const std::string longWord(23, '\xE0');  // 23 × «а»: counted letters, no length
    dir.Write("b.dic", test::MakeArchive(MethodLH5, W("Архив"),
        {{2, Ws({"ёжЗверь"})}, {3, Ws({"кот", "ток"})}, {22, {std::string(22, '\xFF') }}}));
    dir.Write("a.dic", W("Текст\r\nкит\r\nя\r\n") + longWord + "\r\n");
    const DictionaryCatalogue catalogue = ScanDictionaries(dir.Dir());
    ASSERT_EQ(catalogue.size(), 2u);
    ASSERT_TRUE(catalogue[0].IsArchive());

    for (const bool reversed : {false, true}) {
        DictionaryCatalogue order = catalogue;
        if (reversed) std::swap(order[0], order[1]);
        MessageRecorder recorder;
        std::vector<long> inner;
        StatisticsProgress progress;
        progress.innerPosition = [&](long p) { inner.push_back(p); };
        Statistics s;
        GatherStatistics(s, order, progress);
        EXPECT_EQ(s.lengthCounts[2], 1);
        EXPECT_EQ(s.lengthCounts[3], 3);
        EXPECT_EQ(s.lengthCounts[22], 1);
        EXPECT_EQ(s.LengthTotal(), 5);
        EXPECT_EQ(s.letterCounts[7], 1);    // ё
        EXPECT_EQ(s.letterCounts[33], 23);  // 22 я + «я»
        EXPECT_EQ(s.LetterTotal(), 7 + 6 + 22 + 3 + 1 + 23);
        EXPECT_TRUE(recorder.messages.empty());
        EXPECT_EQ(inner.size(), 21u + 3u);  // each archive length, each plain line
    }
}

TEST(StatsTest, DamagedArchiveMembersAreReportedOneByOne) {
    ScratchDir dir;
    std::string bytes = test::MakeArchive(MethodRLE, "T", {{3, Ws({"котЗверь"})}});
    bytes.back() ^= 0x01;
    dir.Write("broken.dic", bytes);
    MessageRecorder recorder;
    Statistics s;
    GatherStatistics(s, ScanDictionaries(dir.Dir()));
    EXPECT_EQ(recorder.messages, Ws({"Не могу прочитать архивный словарь"}));
    EXPECT_EQ(s.LetterTotal(), 0);

    // A vanished archive fails for every length.
    recorder.messages.clear();
    DictionaryEntry gone;
    gone.path = std::string(" ").append(dir.File("gone.dic"));
    GatherStatistics(s, {gone});
    EXPECT_EQ(recorder.messages.size(), 21u);
}

TEST(StatsCliTest, PrintsTheWindowsLabels) {
    ScratchDir dir;
    dir.Write("a.dic", W("Словарь\r\nкотЗверь\r\nсом\r\n"));
    const CliResult r = RunCli(dir, {"stats", "--dir", dir.Dir()});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    std::string expected = "Количество словарей - 1 шт.\nПо длине слов\n2 буквы - 0 шт.\n3 буквы - 2 шт.\n"
                           "4 буквы - 0 шт.\n";
    for (int n = 5; n <= 20; ++n) expected += std::to_string(n) + " букв - 0 шт.\n";
    expected += "21 буква - 0 шт.\n22 буквы - 0 шт.\nВсего - 2 шт.\nПо буквам\n";
    // к о т З в е р ь с о м: 11 letters; о twice.
    const char* letters[] = {"А", "Б", "В", "Г", "Д", "Е", "Ё", "Ж", "З", "И", "Й", "К", "Л", "М", "Н", "О", "П",
                             "Р", "С", "Т", "У", "Ф", "Х", "Ц", "Ч", "Ш", "Щ", "Ъ", "Ы", "Ь", "Э", "Ю", "Я"};
    const std::string shares[] = {"0", "0", "9,09", "0", "0", "9,09", "0", "0", "9,09", "0", "0",
                                  "9,09", "0", "9,09", "0", "18,18", "0", "9,09", "9,09", "9,09", "0", "0",
                                  "0", "0", "0", "0", "0", "0", "0", "9,09", "0", "0", "0"};
    for (int j = 0; j < 33; ++j) expected += std::string(letters[j]) + " - " + shares[j] + " %\n";
    EXPECT_EQ(r.out, expected);
}

TEST(StatsCliTest, NoDictionariesNoFolderAndUsage) {
    ScratchDir dir;
    const CliResult none = RunCli(dir, {"stats", "--dir", dir.Dir()});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(none.out, "Словари не найдены\n");
    EXPECT_EQ(RunCli(dir, {"stats", "extra"}).exitCode, 2);
    const CliResult missing = RunCli(dir, {"stats", "--dir", dir.File("missing")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "vellumar-cli: " + dir.File("missing") + ": no such folder\n");
}

}  // namespace
}  // namespace vellumar
