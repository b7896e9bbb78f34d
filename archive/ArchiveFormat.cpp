#include "archive/ArchiveFormat.h"

#include <cstring>

namespace vellumar {

namespace {

std::uint32_t Get32(const unsigned char* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}

void Put16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void Put32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

}  // namespace

std::optional<std::uint8_t> FindMethodId(std::string_view id) {
    for (std::size_t i = 0; i < MethodIds.size(); ++i)
        if (MethodIds[i] == id) return static_cast<std::uint8_t>(i);
    return std::nullopt;
}

std::string MethodName(std::uint8_t method) {
    if (method < MethodIds.size()) return std::string(MethodIds[method]);
    std::string name = std::to_string(method);
    name.insert(name.begin(), '#');
    return name;
}

ArchiveHeader ParseArchiveHeader(const unsigned char* bytes) {
    ArchiveHeader h;
    h.methodId.assign(reinterpret_cast<const char*>(bytes + 5), 3);
    h.totalSize = static_cast<std::int32_t>(Get32(bytes + 8));
    h.archiveType = bytes[12];
    h.archiveLock = static_cast<std::int32_t>(Get32(bytes + 17));
    return h;
}

MemberHeader ParseMemberHeader(const unsigned char* bytes) {
    MemberHeader h;
    h.nameLength = static_cast<std::int16_t>(bytes[0] | bytes[1] << 8);
    h.originalSize = static_cast<std::int32_t>(Get32(bytes + 8));
    h.compressedSize = static_cast<std::int32_t>(Get32(bytes + 12));
    h.method = bytes[16];
    h.checksum = Get32(bytes + 17);
    h.lock = static_cast<std::int32_t>(Get32(bytes + 21));
    return h;
}

std::string EncodeArchiveHeader(const ArchiveHeader& header) {
    std::string out(ArchiveMagic);
    std::string id = header.methodId;
    id.resize(3, ' ');
    out += id;
    Put32(out, static_cast<std::uint32_t>(header.totalSize));
    out.push_back(static_cast<char>(header.archiveType));
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(header.archiveLock));
    return out;
}

std::string EncodeMemberHeader(const MemberHeader& header) {
    std::string out;
    Put16(out, static_cast<std::uint16_t>(header.nameLength));
    out.append(6, '\0');
    Put32(out, static_cast<std::uint32_t>(header.originalSize));
    Put32(out, static_cast<std::uint32_t>(header.compressedSize));
    out.push_back(static_cast<char>(header.method));
    Put32(out, header.checksum);
    Put32(out, static_cast<std::uint32_t>(header.lock));
    return out;
}

std::uint32_t ByteSum(std::string_view data, std::uint32_t start) {
    std::uint32_t sum = start;
    for (unsigned char c : data) sum += c;
    return sum;
}

}  // namespace vellumar
