// vellumar-cli import on dictionaries that other programs wrote (dictfmt,
// dictzip, stardict-tools) and on DSL texts written here, read back through
// vellumar-cli unpack and search.

#include "engine/Letters.h"
#include "tests/tools/PackSupport.h"

#include <algorithm>

namespace vellumar {
namespace {

using namespace packtest;

const std::string kStarDictTools = "/usr/lib/stardict-tools/";

// A shell command that must succeed: making the test's inputs.
void Make(const std::string& command) { ASSERT_EQ(RunCommand(command + " >/dev/null 2>&1"), 0) << command; }

std::string Utf16(const std::string& utf8, const char* encoding, const char* mark) {
    return mark + test::Recode(utf8, encoding, "UTF-8");
}

std::string CrLf(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

// Cards with several headwords, stress marks, unsorted parts, markup, media,
// comments, escapes, "~", a sub-entry, a decomposed ё, and headwords to skip.
const std::string kDsl =
    "#NAME \"Толковый словарь\"\n"
    "#INDEX_LANGUAGE \"Russian\"\n"
    "\n"
    "{{в начале}}\n"
    "ко\u0301т\n"
    "Кошка{и}\n"
    "\t[m1][b]1.[/b] [trn]Домашнее [i]животное[/i][/trn][/m]\n"
    "\t[m1][ex]~ мяукает[/ex] [s]cat.wav[/s] {{прим.}}[/m]\n"
    "\t\\[см. <<пёс>>\\] café 中\n"
    "\t@ кот в мешке\n"
    "\tчто-то неизвестное\n"
    "\t@\n"
    "е\u0308ж\n"
    " колючий · зверёк\n"
    "Новый год\n"
    "\tпраздник\n"
    "я\n"
    "\tбуква\n";

const std::string kDslLines =
    "Толковый словарь\n"
    "ёжКолючий * зверёк\n"
    "кот1.Домашнее животное;кот мяукает;[см.пёс] cafe\n"
    "кошка1.Домашнее животное;Кошка мяукает;[см.пёс] cafe\n";

TEST(ImportCli, DslCardsBecomeOneLinePerHeadword) {
    TempDir dir;
    WriteFile(dir.File("t.dsl"), Utf16(CrLf(kDsl), "UTF-16LE", "\xFF\xFE"));
    const CliResult r = Cli(dir, "import " + Quote(dir.File("t.dsl")) + " " + Quote(dir.File("t.dic")));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("read 6 entries"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("wrote 3 entries"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("skipped 3 entries: 2 not one Russian word, 1 shorter than 2 letters, 0 longer"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("dropped 1 characters"), std::string::npos) << r.err;
    EXPECT_EQ(Cli(dir, "unpack --utf8 " + Quote(dir.File("t.dic"))).out, kDslLines);
    const CliResult found = Cli(dir, "search --raw --dir " + Quote(dir.File("")) + " --word кошка");
    EXPECT_EQ(test::U(found.out), "кошка1.Домашнее животное;Кошка мяукает;[см.пёс] cafe\n");
}

TEST(ImportCli, DslEncodingsAndDictzipGiveTheSameDictionary) {
    TempDir dir;
    WriteFile(dir.File("le.dsl"), Utf16(CrLf(kDsl), "UTF-16LE", "\xFF\xFE"));
    WriteFile(dir.File("be.dsl"), Utf16(kDsl, "UTF-16BE", "\xFE\xFF"));
    WriteFile(dir.File("bom.dsl"), "\xEF\xBB\xBF" + kDsl);
    WriteFile(dir.File("plain.dsl"), kDsl);
    WriteFile(dir.File("zipped.dsl"), Utf16(CrLf(kDsl), "UTF-16LE", "\xFF\xFE"));
    Make("dictzip " + Quote(dir.File("zipped.dsl")));
    ASSERT_EQ(Cli(dir, "import " + Quote(dir.File("le.dsl")) + " " + Quote(dir.File("le.dic"))).exitCode, 0);
    for (const char* source : {"be.dsl", "bom.dsl", "plain.dsl", "zipped.dsl.dz"}) {
        SCOPED_TRACE(source);
        const CliResult r = Cli(dir, "import " + Quote(dir.File(source)) + " " + Quote(dir.File("x.dic")));
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_TRUE(ReadFile(dir.File("x.dic")) == ReadFile(dir.File("le.dic")));
    }
}

// An old DSL in cp1251 without a byte order mark and without #NAME, and a
// headword with optional parts, which stands for each of its readings.
TEST(ImportCli, Cp1251DslWithOptionalPartsAndTitles) {
    TempDir dir;
    WriteFile(dir.File("Лес.dsl"), W("#INDEX_LANGUAGE \"Russian\"\nдуб(ок)(и)\n\tдерево\n"));
    ASSERT_EQ(Cli(dir, "import " + Quote(dir.File("Лес.dsl")) + " " + Quote(dir.File("a.dic"))).exitCode, 0);
    EXPECT_EQ(Cli(dir, "unpack --utf8 " + Quote(dir.File("a.dic"))).out,
              "Лес\nдубДерево\nдубиДерево\nдубокДерево\nдубокиДерево\n");
    ASSERT_EQ(Cli(dir, "import --title 'Мой лес' " + Quote(dir.File("Лес.dsl")) + " " + Quote(dir.File("b.dic"))).exitCode,
              0);
    EXPECT_TRUE(Cli(dir, "unpack --utf8 " + Quote(dir.File("b.dic"))).out.starts_with("Мой лес\nдубДерево\n"));
}

TEST(ImportCli, StarDictFromTheTabFileConverter) {
    TempDir dir;
    WriteFile(dir.File("tab.txt"), "кот\tДомашнее животное\\nмяукает\nЁж\tколючий зверёк\ndog\tсобака\n"
                                   "кот\tещё значение\n");
    Make("cd " + Quote(dir.File("")) + " && " + kStarDictTools + "tabfile tab.txt");
    // The default name: the source's, in the current folder.
    const CliResult r = Cli(dir, "import tab.ifo --method lzh", true);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("read 4 entries from tab.ifo (StarDict)"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("wrote 3 entries to tab.dic (LZH, title \"tab\")"), std::string::npos) << r.err;
    // Homonyms stay two lines, which the search merges.
    const CliResult found = Cli(dir, "search --raw --dir " + Quote(dir.File("")) + " --word кот");
    EXPECT_EQ(test::U(found.out), "котДомашнее животное;мяукает·Ещё значение\n");

    // An uncompressed .dict and a gzip .idx read the same.
    Make("cd " + Quote(dir.File("")) + " && gzip -dc tab.dict.dz > tab.dict && rm tab.dict.dz && gzip tab.idx");
    ASSERT_EQ(Cli(dir, "import --method lzh " + Quote(dir.File("tab.ifo")) + " " + Quote(dir.File("again.dic"))).exitCode,
              0);
    EXPECT_TRUE(ReadFile(dir.File("again.dic")) == ReadFile(dir.File("tab.dic")));
}

TEST(ImportCli, StarDictTypedFieldsAndSynonymsFromTheTextualConverter) {
    TempDir dir;
    WriteFile(dir.File("x.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<stardict xmlns:xi=\"http://www.w3.org/2003/XInclude\">\n"
              "<info><version>3.0.0</version><bookname>Разметка</bookname><author>a</author><email>e@x.org</email>"
              "<website>http://x.org</website><description>d</description><date>2020.01.01</date></info>\n"
              "<article><key>кот</key><synonym>котик</synonym>"
              "<definition type=\"h\"><![CDATA[<b>зверь</b> &amp; друг<br>мур&#1105;]]></definition>"
              "<definition type=\"t\"><![CDATA[kot]]></definition></article>\n"
              "<article><key>пёс</key><definition type=\"m\"><![CDATA[собака]]></definition></article>\n"
              "</stardict>\n");
    Make(kStarDictTools + "stardict-text2bin " + Quote(dir.File("x.xml")) + " " + Quote(dir.File("x.ifo")));
    ASSERT_EQ(Cli(dir, "import " + Quote(dir.File("x.ifo")) + " " + Quote(dir.File("x.dic"))).exitCode, 0);
    EXPECT_EQ(Cli(dir, "unpack --utf8 " + Quote(dir.File("x.dic"))).out,
              "Разметка\nкотЗверь & друг;мурё;kot\nпёсСобака\nкотикЗверь & друг;мурё;kot\n");
}

// 64-bit offsets, typed fields without a type sequence, binary fields, and
// entries whose data lies outside the file.
TEST(ImportCli, StarDictWithWideOffsetsAndDamagedEntries) {
    TempDir dir;
    const auto number = [](std::uint64_t value, int bytes) {
        std::string out;
        for (int k = bytes - 1; k >= 0; --k) out += static_cast<char>((value >> (8 * k)) & 0xFF);
        return out;
    };
    const std::string entry = std::string("x<k>дом</k><dtrn>жилище &lt;здание&gt;</dtrn>") + '\0' + "W" +
                              number(3, 4) + "\x01\x02\x03" + "mизба" + '\0';
    const std::string damaged = "W" + number(1000, 4) + "abc";
    WriteFile(dir.File("w.dict"), entry + damaged);
    WriteFile(dir.File("w.idx"), std::string("дом") + '\0' + number(0, 8) + number(entry.size(), 4) + "сад" + '\0' +
                                     number(1ull << 40, 8) + number(4, 4) + "лес" + '\0' + number(entry.size(), 8) +
                                     number(damaged.size(), 4));
    WriteFile(dir.File("w.ifo"), "StarDict's dict ifo file\nversion=3.0.0\nwordcount=3\nidxoffsetbits=64\n"
                                 "bookname=Широкий\n");
    const CliResult r = Cli(dir, "import " + Quote(dir.File("w.ifo")) + " " + Quote(dir.File("w.dic")));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("0 with invalid text, 2 damaged"), std::string::npos) << r.err;
    EXPECT_EQ(Cli(dir, "unpack --utf8 " + Quote(dir.File("w.dic"))).out, "Широкий\nдомЖилище<здание>;изба\n");
}

TEST(ImportCli, DictdFromDictfmtAndDictzip) {
    TempDir dir;
    WriteFile(dir.File("d.txt"), ":кот:домашнее животное,\n мяукает\n:Москва:столица России\n:кое-кто:некто\n"
                                 ":кот:ещё одно значение\n:дуб;дубок:дерево\n");
    Make("cd " + Quote(dir.File("")) + " && dictfmt -j --utf8 --headword-separator ';' --break-headwords " +
         "-s 'Словарь dictd' d < d.txt");
    const CliResult r = Cli(dir, "import " + Quote(dir.File("d.index")) + " " + Quote(dir.File("d.dic")));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // "кое-кто" is what the entry says; the index keeps only "коекто".
    EXPECT_NE(r.err.find("read 6 entries"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("skipped 1 entries: 1 not one Russian word"), std::string::npos) << r.err;
    EXPECT_EQ(Cli(dir, "unpack --utf8 " + Quote(dir.File("d.dic"))).out,
              "Словарь dictd\nдубДерево\nкотДомашнее животное,мяукает\nкотЕщё одно значение\nдубокДерево\n"
              "москваСтолица России\n");

    Make("dictzip " + Quote(dir.File("d.dict")));
    ASSERT_EQ(Cli(dir, "import " + Quote(dir.File("d.index")) + " " + Quote(dir.File("dz.dic"))).exitCode, 0);
    EXPECT_TRUE(ReadFile(dir.File("dz.dic")) == ReadFile(dir.File("d.dic")));

    // An index that keeps the headwords as written in a fourth column reads the same.
    Make("cd " + Quote(dir.File("")) + " && dictfmt -j --utf8 --index-keep-orig --headword-separator ';' " +
         "--break-headwords -s 'Словарь dictd' k < d.txt");
    ASSERT_EQ(Cli(dir, "import " + Quote(dir.File("k.index")) + " " + Quote(dir.File("k.dic"))).exitCode, 0);
    EXPECT_TRUE(ReadFile(dir.File("k.dic")) == ReadFile(dir.File("d.dic")));
}

TEST(ImportCli, DamagedSourcesEndInOneLineAndLeaveNoFile) {
    TempDir dir;
    WriteFile(dir.File("d.txt"), ":кот:зверь\n:сом:рыба\n");
    Make("cd " + Quote(dir.File("")) + " && dictfmt -j --utf8 -s T d < d.txt");

    // Index lines that point outside the data, that are not index lines, or not UTF-8.
    std::string index = ReadFile(dir.File("d.index"));
    index += "лес\tBAAAAA\tB\nсад\t!!\tB\n\xFF\xFE\tA\tB\n";
    WriteFile(dir.File("d.index"), index);
    CliResult r = Cli(dir, "import " + Quote(dir.File("d.index")) + " " + Quote(dir.File("d.dic")));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("wrote 2 entries"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("1 with invalid text, 2 damaged"), std::string::npos) << r.err;

    // Compressed data cut short.
    Make("dictzip " + Quote(dir.File("d.dict")));
    const std::string zipped = ReadFile(dir.File("d.dict.dz"));
    WriteFile(dir.File("d.dict.dz"), zipped.substr(0, zipped.size() / 2));
    r = Cli(dir, "import " + Quote(dir.File("d.index")) + " " + Quote(dir.File("cut.dic")));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("d.dict.dz: the compressed data ends too early\n"), std::string::npos) << r.err;

    std::filesystem::remove(dir.File("d.dict.dz"));
    r = Cli(dir, "import " + Quote(dir.File("d.index")) + " " + Quote(dir.File("cut.dic")));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("has no .dict file beside it"), std::string::npos) << r.err;

    r = Cli(dir, "import " + Quote(dir.File("d.txt")) + " " + Quote(dir.File("cut.dic")));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_NE(r.err.find("give a DSL file (.dsl, .dsl.dz), a StarDict .ifo or a dictd .index"), std::string::npos);
    // The format is told from the beginning alone: a text without line breaks
    // is not expanded on to the damage further in.
    const std::string cut = "head -c 20000000 /dev/zero | tr '\\0' x | gzip | head -c 10000 > ";
    ASSERT_EQ(RunCommand(cut + Quote(dir.File("x.dsl.dz"))), 0);
    r = Cli(dir, "import " + Quote(dir.File("x.dsl.dz")) + " " + Quote(dir.File("cut.dic")));
    EXPECT_EQ(r.exitCode, 2) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("cut.dic")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("cut.dic.part")));
}

// A line of megabytes is read as far as a definition shows, cut where a part ends.
TEST(ImportCli, OverlongLineGivesADefinitionCutToItsLimit) {
    TempDir dir;
    std::string body;
    while (body.size() < (3u << 20)) body += "склон горы; ";
    WriteFile(dir.File("long.dsl"), "#NAME \"Д\"\nгора\n\t" + body + "\nхолм\n\tвозвышенность\n");
    const CliResult r = Cli(dir, "import " + Quote(dir.File("long.dsl")) + " " + Quote(dir.File("long.dic")));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("shortened 1 definitions"), std::string::npos) << r.err;
    const std::string line = Cli(dir, "search --raw --dir " + Quote(dir.File("")) + " --word гора").out;
    ASSERT_FALSE(line.empty());
    const std::string definition = line.substr(WordPart(line).size(), line.size() - WordPart(line).size() - 1);
    EXPECT_LE(definition.size(), MaxDefinitionLength);
    EXPECT_TRUE(definition.ends_with(W("склон горы…"))) << test::U(definition);
}

}  // namespace
}  // namespace vellumar
