#include "tools/cli/ArchiveFile.h"

#include <filesystem>

#include "archive/ArchiveFormat.h"
#include "archive/Errors.h"
#include "tools/cli/Command.h"
#include "tools/cli/Output.h"

namespace vellumar::cli {

ArchiveListing ListNamedArchive(const std::string& path) {
    ArchiveListing listing = TArchive().ListMembers(path);   // an open failure comes first
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size < ArchiveHeaderSize) throw EInvalidHeader();
    return listing;
}

int ReportArchiveFailure(const Exception& e) {
    WriteErr(std::string(e.ClassName()) + ": " + e.what() + "\n");
    return kExitFailure;
}

}  // namespace vellumar::cli
