// vellumar-cli pack and unpack, run as the built program.

#include "tests/tools/PackSupport.h"

namespace vellumar {
namespace {

using namespace packtest;

// Messy lines: case, spacing, blanks around the line, duplicates after
// normalising, lines to skip, the separator byte, and all three line breaks.
std::string MessyDictionaryUtf8() {
    return "КОТ Домашнее животное\r\n"
           "кот  домашнее животное\n"
           "  ёж  \n"
           "я\n"
           "123 abc\n"
           "\n"
           "   \n"
           "абвгдеёжзийклмнопрстуфхц\r"
           "ель\n"
           "ёлка\n"
           "елка\n"
           "ежевика\n"
           "кот·кошка\n"
           "КОТ\n"
           "жук";
}

std::string ExpectedUnpackUtf8() {
    // Alphabet order: ё between е and ж; a bare word before its defined lines,
    // whose definitions follow byte order ("*" before capitals).
    return "Мой словарь\r\n"
           "ёж\r\n"
           "ель\r\nжук\r\nкот\r\nкот*кошка\r\nкотДомашнее животное\r\n"
           "елка\r\nёлка\r\n"
           "ежевика\r\n";
}

TEST(PackCli, MessyDictionaryRoundTripsWithEveryMethod) {
    TempDir dir;
    const std::string input = dir.File("in.txt");
    WriteFile(input, W(MessyDictionaryUtf8()));
    for (const char* method : {"non", "rle", "lzh", "lh5"}) {
        SCOPED_TRACE(method);
        const std::string archive = dir.File(std::string(method) + ".dic");
        const std::string packArgs = std::string("pack --method ") + method + " --title 'Мой словарь' ";
        CliResult packed = Cli(dir, packArgs + Quote(archive) + " " + Quote(input));
        ASSERT_EQ(packed.exitCode, 0) << packed.err;
        EXPECT_NE(packed.err.find("packed 9 lines"), std::string::npos) << packed.err;
        EXPECT_NE(packed.err.find("skipped 3 lines: 1 without a word, 1 shorter than 2 letters, 1 longer than 22"),
                  std::string::npos)
            << packed.err;
        EXPECT_NE(packed.err.find("dropped 1 duplicates; ignored 2 empty lines"), std::string::npos) << packed.err;

        CliResult unpacked = Cli(dir, "unpack " + Quote(archive));
        ASSERT_EQ(unpacked.exitCode, 0) << unpacked.err;
        EXPECT_EQ(unpacked.out, W(ExpectedUnpackUtf8()));

        // Packing the unpacked lines again gives the very same archive.
        const std::string again = dir.File("again.dic");
        WriteFile(dir.File("lines.txt"), unpacked.out.substr(unpacked.out.find("\r\n") + 2));
        ASSERT_EQ(Cli(dir, packArgs + Quote(again) + " " + Quote(dir.File("lines.txt"))).exitCode, 0);
        EXPECT_TRUE(ReadFile(again) == ReadFile(archive));

        TArchive reader;
        EXPECT_EQ(reader.ListMembers(archive).methodId, MethodName(pack::ParseMethodName(method)));
    }
}

TEST(PackCli, Utf8InputGivesTheSameArchiveAsCp1251) {
    TempDir dir;
    WriteFile(dir.File("cp.txt"), W(MessyDictionaryUtf8()));
    WriteFile(dir.File("utf.txt"), "\xEF\xBB\xBF" + MessyDictionaryUtf8());
    ASSERT_EQ(Cli(dir, "pack --title T " + Quote(dir.File("a.dic")) + " " + Quote(dir.File("cp.txt"))).exitCode, 0);
    ASSERT_EQ(Cli(dir, "pack --utf8 --title T " + Quote(dir.File("b.dic")) + " " + Quote(dir.File("utf.txt"))).exitCode,
              0);
    EXPECT_TRUE(ReadFile(dir.File("a.dic")) == ReadFile(dir.File("b.dic")));
    CliResult shown = Cli(dir, "unpack --utf8 " + Quote(dir.File("b.dic")));
    EXPECT_TRUE(shown.out.starts_with("T\nёж\nель\n")) << shown.out;
}

TEST(PackCli, CharactersOutsideCp1251AreReportedByLine) {
    TempDir dir;
    WriteFile(dir.File("in.txt"), "кот\nпёс \xFF\xFE\nслон 中\nёж\n");
    const std::string out = dir.File("out.dic");
    CliResult r = Cli(dir, "pack --utf8 --title T " + Quote(out) + " " + Quote(dir.File("in.txt")));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("in.txt:2: bytes that are not valid UTF-8"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("in.txt:3: the character U+4E2D"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("in.txt:1:"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(PackCli, RefusesBadArguments) {
    TempDir dir;
    WriteFile(dir.File("in.txt"), "кот\n");
    const std::string files = Quote(dir.File("o.dic")) + " " + Quote(dir.File("in.txt"));
    EXPECT_EQ(Cli(dir, "pack " + files).exitCode, 2);                               // no title
    EXPECT_EQ(Cli(dir, "pack --method zip --title T " + files).exitCode, 2);        // unknown method
    EXPECT_EQ(Cli(dir, "pack --title T " + Quote(dir.File("o.dic"))).exitCode, 2);  // no input
    EXPECT_EQ(Cli(dir, "pack --title 'a\xFF' " + files).exitCode, 2);               // title not UTF-8
    EXPECT_EQ(Cli(dir, "pack --title T " + Quote(dir.File("o.dic")) + " " + Quote(dir.File("missing.txt"))).exitCode,
              1);
    EXPECT_FALSE(std::filesystem::exists(dir.File("o.dic")));
    EXPECT_EQ(Cli(dir, "unpack").exitCode, 2);
}

// A plain-text dictionary, and a file too short for an archive header (which
// a search counts as an empty archive): unpack and list refuse both alike.
TEST(UnpackCli, PlainTextIsNoArchive) {
    TempDir dir;
    WriteFile(dir.File("plain.dic"), W("Мой словарь\r\nкотДомашнее животное\r\n"));
    WriteFile(dir.File("host"), "vm\n");
    for (const char* name : {"plain.dic", "host"}) {
        for (const char* command : {"unpack ", "list "}) {
            const CliResult r = Cli(dir, command + Quote(dir.File(name)));
            EXPECT_EQ(r.exitCode, 1) << command << name;
            EXPECT_TRUE(r.out.empty()) << command << name;
            EXPECT_EQ(r.err, "EInvalidHeader: Не могу прочитать хэдэр файла\n") << command << name;
        }
    }
}

}  // namespace
}  // namespace vellumar
