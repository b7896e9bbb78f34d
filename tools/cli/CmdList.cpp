// vellumar-cli list: the member headers of an archive, one row each.

#include "archive/Archive.h"
#include "archive/ArchiveFormat.h"
#include "engine/Exception.h"
#include "tools/cli/ArchiveFile.h"
#include "tools/cli/Command.h"
#include "tools/cli/Output.h"
#include "tools/cli/Encoding.h"

#include <cstdio>
#include <string>

namespace vellumar::cli {

namespace {

int RunList(const std::vector<std::string>& args) {
    if (args.size() != 1) return UsageError("list", "list takes one archive");
    ArchiveListing listing;
    try {
        listing = ListNamedArchive(args[0]);
    } catch (const Exception& e) {
        return ReportArchiveFailure(e);
    }
    std::printf("%-20s %-6s %10s %10s %-10s %6s\n", "Name", "Method", "Original", "Compressed", "Checksum",
                "Lock");
    for (const MemberInfo& m : listing.members) {
        std::printf("%-20s %-6s %10d %10d 0x%08X %6d\n", Cp1251ToUtf8(m.name).c_str(), MethodName(m.method).c_str(),
                    static_cast<int>(m.originalSize), static_cast<int>(m.compressedSize),
                    static_cast<unsigned>(m.checksum), static_cast<int>(m.lock));
    }
    if (std::fflush(stdout) != 0) return kExitFailure;
    return kExitOk;
}

const CommandRegistration registration({
    "list",
    "ARCHIVE",
    "Lists every member header in file order: a header line, then per member the columns Name (20, left), "
    "Method (6, left: NON RLE LZH CUS LH5, or #n), Original and Compressed size (10 each, right), Checksum "
    "(0x and 8 hex digits) and Lock (6, right), separated by one blank. Errors as for extract.",
    RunList,
});

}  // namespace

}  // namespace vellumar::cli
