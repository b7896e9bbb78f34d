// vellumar-cli list and extract, run as the real program.

#include "tests/archive/ArchiveBuilder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace vellumar::test {
namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

CliRun RunCli(const std::string& args) {
    TempFile out(""), err("");
    const std::string command =
        std::string(VELLUMAR_BIN_DIR) + "/vellumar-cli " + args + " >" + out.Path() + " 2>" + err.Path();
    const int raw = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadFile(out.Path());
    run.err = ReadFile(err.Path());
    return run;
}

TestMember Member(const std::string& name, std::uint8_t method, const std::string& stored,
                  const std::string& expanded) {
    TestMember m;
    m.name = name;
    m.method = method;
    m.stored = stored;
    m.expanded = expanded;
    return m;
}

const std::string kBinary = std::string("\xC0\xE1\0\r\n\x94\xFF tail", 11);
const std::string kLzhStored = Bytes({0xF6, 0xFB, 0xBD, 0xF3, 0x00, 0x20});

TEST(ArchiveCli, ExtractWritesTheBytesUnchanged) {
    TempFile archive(ArchiveBuilder()
                         .Add(Member("0.dic", MethodNON, kBinary, kBinary))
                         .Add(Member("5.DIC", MethodLZH, kLzhStored, "abcabcabcabcabcabc"))
                         .Add(Member("5.dic", MethodRLE, Bytes({'z', 0x94, 0x03}), "zzz"))
                         .Add(Member("7.dic", MethodNON, "", ""))
                         .Build());
    CliRun r = RunCli("extract " + archive.Path() + " 0.dic");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, kBinary);
    EXPECT_EQ(r.err, "");
    r = RunCli("extract " + archive.Path() + " 5.dic");
    EXPECT_EQ(r.out, "abcabcabcabcabcabczzz");
    r = RunCli("extract " + archive.Path() + " 7.dic");   // empty, but there
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    r = RunCli("extract " + archive.Path() + " 9.dic");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "vellumar-cli: " + archive.Path() + ": no member 9.dic\n");
}

TEST(ArchiveCli, ExtractFailureLeavesStdoutEmpty) {
    TestMember bad = Member("5.dic", MethodLZH, kLzhStored, "abcabcabcabcabcabc");
    bad.checksum = 7;
    // The first member expands fine before the second fails: still nothing on stdout.
    TempFile archive(ArchiveBuilder().Add(Member("5.dic", MethodNON, "good", "good")).Add(bad).Build());
    CliRun r = RunCli("extract " + archive.Path() + " 5.dic");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "EBadChecksum: Bad checksum during expansion - данные могут быть испорчены\n");

    r = RunCli("extract /nonexistent/dir/x.dic 5.dic");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "EFOpenError: Cannot open file /nonexistent/dir/x.dic\n");

    TempFile text("\xCA\xEE\xF2 \xE8 \xEF\xE5\xF1 \xE8 \xEC\xFB\xF8\xFC \xE8 \xEF\xF2\xE8\xF6\xE0\r\n");
    r = RunCli("extract " + text.Path() + " 0.dic");
    EXPECT_EQ(r.err, "EInvalidHeader: Не могу прочитать хэдэр файла\n");
    EXPECT_EQ(RunCli("extract " + text.Path()).status, 2);
}

TEST(ArchiveCli, ListShowsOneRowPerMember) {
    TestMember keyed = Member("5.dic", MethodLZH, kLzhStored, "abcabcabcabcabcabc");
    keyed.lock = 1;
    TempFile archive(ArchiveBuilder("LZH")
                         .Add(Member("0.dic", MethodNON, "T", "T"))
                         .Add(keyed)
                         .Add(Member("\xC0\xC1.dic", 9, "", ""))
                         .Build());
    const CliRun r = RunCli("list " + archive.Path());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "Name                 Method   Original Compressed Checksum     Lock\n"
              "0.dic                NON             1          1 0x00000054      0\n"
              "5.dic                LZH            18          6 0x000006E4      1\n"
              "АБ.dic             #9              0          0 0x00000000      0\n");
    TempFile broken(ArchiveBuilder("LZH").Type(2).Build());
    const CliRun bad = RunCli("list " + broken.Path());
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "EInvalidHeaderArchiveType: Archive type must be caMulti\n");
}

}  // namespace
}  // namespace vellumar::test
