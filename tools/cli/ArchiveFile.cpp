#include "tools/cli/ArchiveFile.h"

#include <sys/stat.h>

#include "archive/ArchiveFormat.h"
#include "archive/Errors.h"
#include "tools/cli/Command.h"
#include "tools/cli/Output.h"

namespace vellumar::cli {

ArchiveListing ListNamedArchive(const std::string& path) {
    ArchiveListing listing = TArchive().ListMembers(path);   // an open failure comes first
    struct stat info;
    if (::stat(path.c_str(), &info) == 0 && info.st_size < static_cast<off_t>(ArchiveHeaderSize))
        throw EInvalidHeader();
    return listing;
}

int ReportArchiveFailure(const Exception& e) {
    WriteErr(std::string(e.ClassName()) + ": " + e.what() + "\n");
    return kExitFailure;
}

}  // namespace vellumar::cli
