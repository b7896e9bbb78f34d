// vellumar-cli extract: one member's expanded bytes on standard output.

#include "archive/Archive.h"
#include "archive/MemoryStream.h"
#include "engine/Exception.h"
#include "tools/cli/Command.h"
#include "tools/cli/Output.h"
#include "tools/cli/Encoding.h"

#include <cstdio>
#include <new>

namespace vellumar::cli {

namespace {

int RunExtract(const std::vector<std::string>& args) {
    if (args.size() != 2) return UsageError("extract", "extract takes an archive and a member name");
    // Member names are cp1251 inside archives; the terminal gives UTF-8.
    const std::string member = Utf8ToCp1251(args[1]).value_or(args[1]);

    // Buffered in memory: nothing reaches standard output unless it all succeeds.
    TMemoryStream out;
    try {
        TArchive archive;
        archive.ExpandMember(args[0], out, member);
    } catch (const Exception& e) {
        WriteErr(std::string(e.ClassName()) + ": " + e.what() + "\n");
        return kExitFailure;
    } catch (const std::bad_alloc&) {
        WriteErr("EOutOfMemory: Out of memory\n");
        return kExitFailure;
    }
    const std::string& data = out.Data();
    if (std::fwrite(data.data(), 1, data.size(), stdout) != data.size() || std::fflush(stdout) != 0) {
        WriteErr("EWriteError: Stream write error\n");
        return kExitFailure;
    }
    return kExitOk;
}

const CommandRegistration registration({
    "extract",
    "ARCHIVE MEMBER",
    "Writes the expanded bytes of every member named MEMBER (ASCII letters without case) to standard output, "
    "unchanged. On failure prints one line \"<ClassName>: <message>\" on standard error and exits 1.",
    RunExtract,
});

}  // namespace

}  // namespace vellumar::cli
