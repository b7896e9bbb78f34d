// vellumar-cli normalise: dictionary lines on stdin, their dictionary form on stdout.

#include <cstdio>
#include <string>

#include "engine/Letters.h"
#include "tools/cli/Command.h"
#include "tools/cli/Output.h"

namespace vellumar::cli {

namespace {

void Emit(std::string& line) {
    NormaliseLineInPlace(line);
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
    line.clear();
}

// Lines end at CR LF, a lone CR or a lone LF, and a zero byte ends the text,
// as dictionaries are read. The input is streamed, so it may be of any size.
int RunNormalise(const std::vector<std::string>& args) {
    if (!args.empty()) return UsageError("normalise", "normalise takes no arguments");

    std::string line;
    bool open = false;        // bytes of a line not yet ended have been read
    bool afterCr = false;     // an LF right after a CR ends no further line
    char block[1 << 16];
    bool ended = false;
    while (!ended) {
        const std::size_t got = std::fread(block, 1, sizeof block, stdin);
        if (got == 0) break;
        for (std::size_t i = 0; i < got; ++i) {
            const char c = block[i];
            if (c == '\0') {
                ended = true;
                break;
            }
            if (c == '\n' && afterCr) {
                afterCr = false;
                continue;
            }
            afterCr = c == '\r';
            if (c == '\r' || c == '\n') {
                Emit(line);
                open = false;
            } else {
                line += c;
                open = true;
            }
        }
    }
    if (std::ferror(stdin)) {
        WriteErr("vellumar-cli: cannot read standard input\n");
        return kExitFailure;
    }
    if (open) Emit(line);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        WriteErr("vellumar-cli: cannot write standard output\n");
        return kExitFailure;
    }
    return kExitOk;
}

const CommandRegistration registration({
    "normalise",
    "< LINES",
    "Reads cp1251 dictionary lines on standard input and writes each in dictionary form.",
    RunNormalise,
});

}  // namespace

}  // namespace vellumar::cli
