// vellumar-cli normalise, run as a separate program.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "engine/Letters.h"
#include "engine/TextLines.h"
#include "tests/common/Cp1251.h"

using vellumar::test::W;

namespace {

struct Result {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

Result RunNormalise(const std::string& input, const std::string& args = "") {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("vellumar_cli_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "in", std::ios::binary) << input;
    const std::string command = std::string("'") + VELLUMAR_BIN_DIR + "/vellumar-cli' normalise " + args + " < '" +
                                (dir / "in").string() + "' > '" + (dir / "out").string() + "' 2> '" +
                                (dir / "err").string() + "'";
    const int status = std::system(command.c_str());
    Result r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = ReadAll(dir / "out");
    r.err = ReadAll(dir / "err");
    std::filesystem::remove_all(dir);
    return r;
}

}  // namespace

TEST(NormaliseCli, WritesEachLineInDictionaryFormInOrder) {
    const std::string input = W("КОТ Домашнее животное\r\nкот  -  зверь·кошка\rслон\n\nЁЖ , колючий");
    const Result r = RunNormalise(input);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, W("котДомашнее животное\nкот-зверь*кошка\nслон\n\nёж,колючий\n"));
}

TEST(NormaliseCli, LineEndsAndTheZeroByteAsDictionariesAreRead) {
    EXPECT_EQ(RunNormalise("").out, "");
    EXPECT_EQ(RunNormalise("\r\n").out, "\n");
    EXPECT_EQ(RunNormalise("\n\r").out, "\n\n");
    EXPECT_EQ(RunNormalise(W("кот\r\n")).out, W("кот\n"));
    EXPECT_EQ(RunNormalise(W("кот\nдом") + std::string(1, '\0') + W("слон\n")).out, W("кот\nдом\n"));
}

TEST(NormaliseCli, LargeInputMatchesTheEngineLineByLine) {
    // Big enough that reads end inside lines and between a CR and its LF.
    std::mt19937 rng(3);
    const std::string pieces = W("КОТкот ,.()·-") + "\r\n";
    std::string input(300000, ' ');
    for (char& c : input) c = pieces[rng() % pieces.size()];
    std::string expected;
    for (const std::string& line : vellumar::SplitTextLines(input)) expected += vellumar::NormaliseLine(line) + "\n";
    const Result r = RunNormalise(input);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.size(), expected.size());
    EXPECT_TRUE(r.out == expected);
}

TEST(NormaliseCli, AnyArgumentIsAUsageError) {
    const Result r = RunNormalise("кот\n", "extra");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("usage"), std::string::npos) << r.err;
}
