#include "tools/pack/ArchiveWriter.h"

#include "archive/Errors.h"
#include "tools/pack/CompressLh5.h"
#include "tools/pack/CompressLzh.h"
#include "tools/pack/CompressNon.h"
#include "tools/pack/CompressRle.h"

#include <cstdio>
#include <limits>

namespace vellumar::pack {

std::string CompressWith(MethodIndex method, std::string_view data) {
    switch (method) {
        case MethodNON: return CompressNon(data);
        case MethodRLE: return CompressRle(data);
        case MethodLZH: return CompressLzh(data);
        case MethodLH5: return CompressLh5(data);
        default: break;
    }
    throw Exception("No encoder for the method " + MethodName(method));
}

MethodIndex ParseMethodName(std::string_view name) {
    std::string upper;
    for (char c : name) upper.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
    if (auto index = FindMethodId(upper); index && *index != MethodCUS) return static_cast<MethodIndex>(*index);
    throw Exception("Unknown method \"" + std::string(name) + "\": use non, rle, lzh or lh5");
}

ArchiveWriter::ArchiveWriter(MethodIndex method) : method_(method) {
    if (method == MethodCUS || method > MethodLH5) throw Exception("No encoder for the method " + MethodName(method));
}

void ArchiveWriter::AddMember(std::string_view name, std::string_view data, bool storeWithoutGain) {
    constexpr auto kMaxSize = std::numeric_limits<std::int32_t>::max();
    if (name.empty() || name.size() > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max()))
        throw Exception("Member name must be 1 to 32767 bytes long");
    if (data.size() > static_cast<std::size_t>(kMaxSize) || total_ + static_cast<std::int64_t>(data.size()) > kMaxSize)
        throw Exception("Archive too large: members may hold at most 2147483647 bytes together");
    std::string stored = CompressWith(method_, data);
    MethodIndex method = method_;
    if (storeWithoutGain && method != MethodNON && stored.size() >= data.size()) {
        stored = CompressNon(data);
        method = MethodNON;
    }
    if (stored.size() > static_cast<std::size_t>(kMaxSize))
        throw Exception("Archive too large: a member's stored bytes exceed 2147483647");

    MemberHeader header;
    header.nameLength = static_cast<std::int16_t>(name.size());
    header.originalSize = static_cast<std::int32_t>(data.size());
    header.compressedSize = static_cast<std::int32_t>(stored.size());
    header.method = method;
    header.checksum = ByteSum(data);
    header.lock = 0;
    members_ += EncodeMemberHeader(header);
    members_ += name;
    members_ += stored;
    total_ += static_cast<std::int64_t>(data.size());
}

std::string ArchiveWriter::Bytes() const {
    ArchiveHeader header;
    header.methodId = std::string(MethodIds[method_]);
    header.totalSize = static_cast<std::int32_t>(total_);
    header.archiveType = caMulti;
    header.archiveLock = 0;
    return EncodeArchiveHeader(header) + members_;
}

void ArchiveWriter::WriteFile(const std::string& path) const {
    const std::string bytes = Bytes();
    const std::string temporary = path + ".part";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) throw EFOpenError(temporary);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        std::remove(temporary.c_str());
        throw EWriteError();
    }
    // No lock is needed: the rename swaps in a new file, and a reader that has the
    // old one open goes on reading the old, unchanged bytes to the end.
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw EFOpenError(path);
    }
}

}  // namespace vellumar::pack
