#pragma once
// Writes dictionary archives: the archive header (method identifier, total size,
// caMulti), then each member's header, name and stored bytes. Members are
// compressed as they are added; nothing is ever written with a key.

#include "archive/ArchiveFormat.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vellumar::pack {

// The stored bytes of `data` for a method; "CUS" has no encoder and throws.
std::string CompressWith(MethodIndex method, std::string_view data);

// "non", "rle", "lzh", "lh5" in any case; throws for anything else.
MethodIndex ParseMethodName(std::string_view name);

class ArchiveWriter {
public:
    explicit ArchiveWriter(MethodIndex method);

    // Throws when the name or the data do not fit the header's fields. With
    // `storeWithoutGain`, a member that the method would not make smaller (such
    // as a one-line title) is stored as it is, with method NON, as archivers
    // do: it then costs a reader no decoder.
    void AddMember(std::string_view name, std::string_view data, bool storeWithoutGain = false);

    std::int32_t TotalSize() const { return static_cast<std::int32_t>(total_); }
    // The whole archive as it goes to disk.
    std::string Bytes() const;
    // Writes beside the target first and renames, so a failure never leaves half a file.
    void WriteFile(const std::string& path) const;

private:
    MethodIndex method_;
    std::string members_;
    std::int64_t total_ = 0;
};

}  // namespace vellumar::pack
