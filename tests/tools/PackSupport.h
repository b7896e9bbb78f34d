#pragma once
// Helpers for the packer's tests: expanding through the real reader, temporary
// files, test inputs, an LHA entry around an LH5 stream, and running programs.

#include "archive/Archive.h"
#include "archive/MemoryStream.h"
#include "engine/Exception.h"
#include "tests/common/Cp1251.h"
#include "tools/pack/ArchiveWriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace vellumar::packtest {

using test::W;

// A fresh folder per test, removed afterwards.
class TempDir {
public:
    TempDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("vellumar-pack-" + std::to_string(::getpid()) + "-" + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return std::move(buffer).str();
}

// Every member of that name, expanded by the program's own reader.
inline std::string ExpandFromFile(const std::string& path, const std::string& member) {
    TArchive archive;
    TMemoryStream stream;
    archive.ExpandMember(path, stream, member);
    return stream.Data();
}

// Packs `data` as the one member "x.dic" with `method` and expands it again.
inline std::string RoundTrip(const TempDir& dir, MethodIndex method, std::string_view data) {
    pack::ArchiveWriter writer(method);
    writer.AddMember("x.dic", data);
    const std::string path = dir.File("round.dic");
    writer.WriteFile(path);
    return ExpandFromFile(path, "x.dic");
}

inline std::string RandomBytes(std::size_t size, unsigned seed, int alphabet = 256) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> pick(0, alphabet - 1);
    std::string s(size, '\0');
    for (char& c : s) c = static_cast<char>(pick(rng));
    return s;
}

// The system's Russian word list, if installed: real text for the coders.
inline std::string RealText() {
    return ReadFile("/usr/share/hunspell/ru_RU.dic");
}

// Runs a shell command; returns its exit status and fills `output` with its stdout.
inline int RunCommand(const std::string& command, std::string* output = nullptr) {
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return -1;
    std::string text;
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, got);
    const int status = ::pclose(pipe);
    if (output) *output = std::move(text);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

inline std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built vellumar-cli with `args` (shell words), in `dir` when `inDir`;
// its standard error goes through a file in `dir`.
inline CliResult Cli(const TempDir& dir, const std::string& args, bool inDir = false) {
    static const std::string cli = std::string(VELLUMAR_BIN_DIR) + "/vellumar-cli";
    CliResult r;
    const std::string err = dir.File("stderr.txt");
    const std::string cd = inDir ? "cd " + Quote(dir.File("")) + " && " : "";
    r.exitCode = RunCommand(cd + Quote(cli) + " " + args + " 2>" + Quote(err), &r.out);
    r.err = ReadFile(err);
    return r;
}

}  // namespace vellumar::packtest
