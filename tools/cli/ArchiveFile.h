#pragma once
// The archive a command names, checked the same way for list, extract and
// unpack, and their one-line report of a failure.

#include <string>

#include "archive/Archive.h"
#include "engine/Exception.h"

namespace vellumar::cli {

// The member headers of the archive at `path`. The reader counts a file too
// short for an archive header as an empty archive, which suits a search over
// a folder; a user who names the file is told that it is no archive
// (EInvalidHeader). Throws what the reader throws.
ArchiveListing ListNamedArchive(const std::string& path);

// "<ClassName>: <message>" on standard error; returns kExitFailure.
int ReportArchiveFailure(const Exception& e);

}  // namespace vellumar::cli
