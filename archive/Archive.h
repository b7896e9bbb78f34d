#pragma once
// The dictionary archive reader. The rest of the system uses one operation:
// ExpandMember, which expands every member of a given name into a stream.

#include "archive/Stream.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vellumar {

// May accept a method identifier outside the table as a custom method.
using TRecognizeEvent = std::function<void(const std::string& compressId, bool& recognized)>;
// Expands a "CUS" member from `source` (positioned at its stored bytes) into `dest`
// and sets `checksum`.
using TExpandEvent = std::function<void(TStream& dest, TStream& source, std::int32_t sourceSize,
                                        std::int32_t destSize, const std::string& compressId,
                                        std::int32_t& checksum)>;
// Told after each input block is read; setting the value to -1 aborts the decoder
// as if its stored bytes had ended.
using TShowProgressEvent = std::function<void(std::int32_t& percentageDone)>;

// What the member listing shows of one member header.
struct MemberInfo {
    std::string name;
    std::uint8_t method = 0;
    std::int32_t originalSize = 0;
    std::int32_t compressedSize = 0;
    std::uint32_t checksum = 0;
    std::int32_t lock = 0;
    std::int64_t dataOffset = 0;  // file offset of the stored bytes
};

struct ArchiveListing {
    std::string methodId;
    std::int32_t totalSize = 0;
    std::vector<MemberInfo> members;
};

// Far above any real dictionary member; bounds what a damaged file can make us allocate.
inline constexpr std::int64_t DefaultMaxExpandedSize = std::int64_t{256} << 20;

// Member names compare with only the ASCII letters folded.
bool SameMemberName(std::string_view a, std::string_view b);

class TArchive {
public:
    std::int32_t Key = 0;  // 0: no key
    TRecognizeEvent OnRecognize;
    TExpandEvent OnExpand;
    TShowProgressEvent OnShowProgress;
    // The most bytes one ExpandMember call may produce (EMemberTooLarge beyond).
    std::int64_t MaxExpandedSize = DefaultMaxExpandedSize;

    // Appends to `target`, at its position, the expanded bytes of every member
    // whose name equals `memberName` (ASCII letters compared without case).
    // No matching member: nothing is written and no error is raised.
    void ExpandMember(const std::string& archivePath, TStream& target, const std::string& memberName);
    // The same on an archive already open (read from its start, whatever the
    // stream's position), so that one open serves several members.
    void ExpandMember(TStream& archive, TStream& target, const std::string& memberName);

    // Every member header in file order, up to the end of the file or to a header
    // that is cut off or holds a negative size. Checks the archive header like
    // ExpandMember; decodes nothing.
    ArchiveListing ListMembers(const std::string& archivePath);
};

}  // namespace vellumar
