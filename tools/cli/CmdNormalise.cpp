// vellumar-cli normalise: dictionary lines on stdin, their dictionary form on stdout.

#include <cstdio>
#include <string>
#include <string_view>

#include "engine/Letters.h"
#include "engine/TextLines.h"
#include "tools/cli/Command.h"
#include "tools/cli/Output.h"

namespace vellumar::cli {

namespace {

// The input is streamed, so it may be of any size; its lines are split as
// dictionaries are read.
int RunNormalise(const std::vector<std::string>& args) {
    if (!args.empty()) return UsageError("normalise", "normalise takes no arguments");

    std::string line;
    const auto emit = [&line](std::string_view text) {
        line.assign(text);
        NormaliseLineInPlace(line);
        line += '\n';
        WriteOut(line);
    };
    TextLineStream lines;
    char block[1 << 16];
    for (;;) {
        const std::size_t got = std::fread(block, 1, sizeof block, stdin);
        if (got == 0 || !lines.Feed(std::string_view(block, got), emit)) break;
    }
    if (std::ferror(stdin)) {
        WriteErr("vellumar-cli: cannot read standard input\n");
        return kExitFailure;
    }
    lines.Finish(emit);
    if (!FinishOut()) {
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
