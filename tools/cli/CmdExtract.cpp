// vellumar-cli extract: one member's expanded bytes on standard output.

#include "archive/Archive.h"
#include "archive/MemoryStream.h"
#include "engine/Exception.h"
#include "tools/cli/ArchiveFile.h"
#include "tools/cli/Command.h"
#include "tools/cli/Output.h"
#include "tools/cli/Encoding.h"

#include <algorithm>
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
        const ArchiveListing listing = ListNamedArchive(args[0]);
        // An empty member is found and written as nothing; a missing one is an error.
        if (std::none_of(listing.members.begin(), listing.members.end(),
                         [&](const MemberInfo& m) { return SameMemberName(m.name, member); })) {
            WriteErr("vellumar-cli: " + args[0] + ": no member " + args[1] + "\n");
            return kExitFailure;
        }
        TArchive archive;
        archive.ExpandMember(args[0], out, member);
    } catch (const Exception& e) {
        return ReportArchiveFailure(e);
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
    "unchanged. On failure prints one line on standard error and exits 1: \"<ClassName>: <message>\" when "
    "ARCHIVE can't be read, \"vellumar-cli: ARCHIVE: no member MEMBER\" when it holds no such member.",
    RunExtract,
});

}  // namespace

}  // namespace vellumar::cli
