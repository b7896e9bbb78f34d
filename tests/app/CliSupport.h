#pragma once
// Runs the built vellumar-cli and collects its exit code and output; builds
// small dictionary archives for the tests that need them.

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "tests/app/TestSupport.h"
#include "tools/pack/ArchiveWriter.h"

namespace vellumar::test {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs VELLUMAR_BIN_DIR/vellumar-cli with `args`; output goes through files in `scratch`.
inline CliResult RunCli(const ScratchDir& scratch, const std::vector<std::string>& args) {
    const std::string outPath = scratch.File(".cli-out"), errPath = scratch.File(".cli-err");
    const std::string binary = std::string(VELLUMAR_BIN_DIR) + "/vellumar-cli";
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(binary.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    CliResult result;
    const pid_t pid = fork();
    if (pid == 0) {
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0) _exit(127);
        dup2(out, 1);
        dup2(err, 2);
        execv(binary.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    result.out = scratch.Read(".cli-out");
    result.err = scratch.Read(".cli-err");
    return result;
}

// An archive like the bundled ones: "0.dic" with the title, then one member per
// word length holding the given lines (cp1251, CR LF after each).
inline std::string MakeArchive(MethodIndex method, const std::string& title,
                               const std::vector<std::pair<int, std::vector<std::string>>>& members) {
    pack::ArchiveWriter writer(method);
    writer.AddMember("0.dic", title + "\r\n");
    for (const auto& [length, lines] : members) {
        std::string data;
        for (const std::string& line : lines) data += line + "\r\n";
        writer.AddMember(std::to_string(length) + ".dic", data);
    }
    return writer.Bytes();
}

}  // namespace vellumar::test
