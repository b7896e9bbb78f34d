// Arbitrary bytes as an archive file: expanding and listing must end normally or
// with one of the system's exceptions, never crash, hang or run out of memory.

#include "archive/Archive.h"
#include "archive/MemoryStream.h"
#include "engine/Exception.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

const std::string& FilePath() {
    static const std::string path = "/tmp/vellumar_archive_fuzz_" + std::to_string(::getpid()) + ".dic";
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* f = std::fopen(FilePath().c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    vellumar::TArchive archive;
    archive.MaxExpandedSize = 4 << 20;  // keeps each run fast; the limit's own path is exercised
    for (const char* member : {"5.dic", "0.dic"}) {
        vellumar::TMemoryStream out;
        try {
            archive.ExpandMember(FilePath(), out, member);
        } catch (const vellumar::Exception&) {
        }
    }
    try {
        archive.ListMembers(FilePath());
    } catch (const vellumar::Exception&) {
    }
    return 0;
}
