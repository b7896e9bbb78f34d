#pragma once
// Layout of a dictionary archive: an archive header, then members, each a member
// header, the name and the stored bytes. All integers are little-endian.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vellumar {

inline constexpr std::string_view ArchiveMagic = "\x53\x50\x49\x53\x1A";
inline constexpr std::size_t ArchiveHeaderSize = 21;
inline constexpr std::size_t MemberHeaderSize = 25;

// The only archive type the reader accepts: several named members.
inline constexpr std::uint8_t caMulti = 1;
// What writers put into ArchiveLock when a key was used.
inline constexpr std::int32_t ArchiveLockedWithKey = 2;

// Method indices as stored in a member header; the identifier table is ordered by them.
enum MethodIndex : std::uint8_t { MethodNON = 0, MethodRLE = 1, MethodLZH = 2, MethodCUS = 3, MethodLH5 = 4 };
inline constexpr std::array<std::string_view, 5> MethodIds = {"NON", "RLE", "LZH", "CUS", "LH5"};

// The index of an identifier (exact case), or nothing when it is not in the table.
std::optional<std::uint8_t> FindMethodId(std::string_view id);
// "NON".."LH5" for a known index, else "#<index>".
std::string MethodName(std::uint8_t method);

struct ArchiveHeader {
    std::string methodId = "LH5";  // three characters
    std::int32_t totalSize = 0;
    std::uint8_t archiveType = caMulti;
    std::int32_t archiveLock = 0;
};

struct MemberHeader {
    std::int16_t nameLength = 0;
    std::int32_t originalSize = 0;
    std::int32_t compressedSize = 0;
    std::uint8_t method = MethodNON;
    std::uint32_t checksum = 0;
    std::int32_t lock = 0;
};

// `bytes` points at ArchiveHeaderSize (resp. MemberHeaderSize) bytes. Parsing
// does no checking: the reader decides what a value means.
ArchiveHeader ParseArchiveHeader(const unsigned char* bytes);
MemberHeader ParseMemberHeader(const unsigned char* bytes);

// The 21 (resp. 25) bytes of a header; the magic is added, reserved bytes are 0.
std::string EncodeArchiveHeader(const ArchiveHeader& header);
std::string EncodeMemberHeader(const MemberHeader& header);

// The member checksum: the plain 32-bit sum of the expanded bytes.
std::uint32_t ByteSum(std::string_view data, std::uint32_t start = 0);

}  // namespace vellumar
