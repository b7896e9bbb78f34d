// The member scan of a dictionary archive and the expansion of one member.

#include "archive/Archive.h"

#include "archive/ArchiveFormat.h"
#include "archive/Decoders.h"
#include "archive/Errors.h"
#include "archive/FileStream.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace vellumar {

bool SameMemberName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'a' && x <= 'z') x = static_cast<unsigned char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<unsigned char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

namespace {

// The identifier as message text: bytes outside printable ASCII become '?', so
// the message stays valid UTF-8 whatever the file holds.
std::string PrintableId(const std::string& id) {
    std::string out = id;
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) c = '?';
    return out;
}

// Reads and checks the archive header. False when the file is too short to hold
// one, which counts as an empty archive.
bool ReadArchiveHeader(TStream& file, const TRecognizeEvent& onRecognize, ArchiveHeader& header) {
    unsigned char bytes[ArchiveHeaderSize];
    if (file.Read(bytes, sizeof bytes) < sizeof bytes) return false;
    if (std::memcmp(bytes, ArchiveMagic.data(), ArchiveMagic.size()) != 0) throw EInvalidHeader();
    header = ParseArchiveHeader(bytes);
    if (header.archiveType != caMulti) throw EInvalidHeaderArchiveType();
    if (!FindMethodId(header.methodId)) {
        bool recognized = false;
        if (onRecognize) onRecognize(header.methodId, recognized);
        if (!recognized) throw EUnrecognizedCompressionMethod(PrintableId(header.methodId));
    }
    return true;
}

// Reads the next member header and name. False at the end of the list: a header
// or name cut off, or a negative size (a damaged header ends the scan quietly,
// as a cut-off one does).
bool ReadMemberHeader(TStream& file, MemberHeader& header, std::string& name) {
    unsigned char bytes[MemberHeaderSize];
    if (file.Read(bytes, sizeof bytes) < sizeof bytes) return false;
    header = ParseMemberHeader(bytes);
    if (header.nameLength < 0 || header.originalSize < 0 || header.compressedSize < 0) return false;
    name.assign(static_cast<std::size_t>(header.nameLength), '\0');
    return file.Read(name.data(), name.size()) == name.size();
}

// Calls visit(header, name, dataOffset) for each member in file order, the
// archive header already read, until ReadMemberHeader ends the list or visit
// returns false. Each next member is sought after the stored bytes, whatever
// visit read of them.
template <class Visit>
void ForEachMember(TStream& file, Visit&& visit) {
    std::int64_t offset = static_cast<std::int64_t>(ArchiveHeaderSize);
    MemberHeader member;
    std::string name;
    while (ReadMemberHeader(file, member, name)) {
        const std::int64_t dataOffset = offset + static_cast<std::int64_t>(MemberHeaderSize) + member.nameLength;
        if (!visit(member, name, dataOffset)) return;
        offset = dataOffset + member.compressedSize;
        file.Seek(offset, SeekOrigin::Begin);
    }
}

class MemberExpander {
public:
    MemberExpander(TArchive& archive, TStream& file, TStream& target, const ArchiveHeader& archiveHeader)
        : archive_(archive), file_(file), target_(target), archiveHeader_(archiveHeader) {}

    void Expand(const MemberHeader& m);

private:
    void CopyStored(std::int64_t size);
    std::int64_t Remaining() const { return archive_.MaxExpandedSize - produced_; }

    TArchive& archive_;
    TStream& file_;
    TStream& target_;
    const ArchiveHeader& archiveHeader_;
    std::int64_t produced_ = 0;  // bytes given to the target in this call
};

void MemberExpander::Expand(const MemberHeader& m) {
    if (m.method != MethodNON && m.lock > 0 && archive_.Key == 0) throw EInvalidKey();
    std::uint32_t checksum = 0;
    switch (m.method) {
        case MethodNON:
            if (m.compressedSize > 0) CopyStored(m.compressedSize);
            return;  // stored members carry no checksum test
        case MethodRLE:
        case MethodLZH:
        case MethodLH5: {
            if (m.method != MethodRLE && m.originalSize > Remaining())
                throw EMemberTooLarge(archive_.MaxExpandedSize);
            // Size the target once; the final match may run a little past the size.
            target_.ExpectWrite(static_cast<std::size_t>(std::min<std::int64_t>(m.originalSize, Remaining()) + 512));
            ByteSource source(file_, m.compressedSize, &archive_.OnShowProgress);
            ByteSink sink(target_, Remaining() + 512, archive_.MaxExpandedSize);
            if (m.method == MethodRLE) ExpandRle(source, sink);
            if (m.method == MethodLZH) ExpandLzh(source, sink, m.originalSize);
            if (m.method == MethodLH5) ExpandLh5(source, sink, m.originalSize);
            sink.Finish();
            produced_ += sink.Written();
            checksum = sink.Checksum();
            break;
        }
        case MethodCUS:
            if (archive_.OnExpand) {
                std::int32_t value = 0;
                archive_.OnExpand(target_, file_, m.compressedSize, m.originalSize, archiveHeader_.methodId, value);
                checksum = static_cast<std::uint32_t>(value);
            }
            break;
        default:
            break;  // unknown methods yield nothing
    }
    if (checksum != m.checksum) throw EBadChecksum();
}

void MemberExpander::CopyStored(std::int64_t size) {
    if (size > Remaining()) throw EMemberTooLarge(archive_.MaxExpandedSize);
    std::vector<unsigned char> buffer(static_cast<std::size_t>(std::min<std::int64_t>(size, 64 * 1024)));
    target_.ExpectWrite(static_cast<std::size_t>(size));
    while (size > 0) {
        const std::size_t n = static_cast<std::size_t>(std::min<std::int64_t>(size, static_cast<std::int64_t>(buffer.size())));
        file_.ReadBuffer(buffer.data(), n);
        target_.Write(buffer.data(), n);
        size -= static_cast<std::int64_t>(n);
        produced_ += static_cast<std::int64_t>(n);
    }
}

}  // namespace

void TArchive::ExpandMember(const std::string& archivePath, TStream& target, const std::string& memberName) {
    TFileStream file(archivePath);  // closed on every way out
    ExpandMember(file, target, memberName);
}

void TArchive::ExpandMember(TStream& file, TStream& target, const std::string& memberName) {
    file.Seek(0, SeekOrigin::Begin);
    ArchiveHeader archiveHeader;
    if (!ReadArchiveHeader(file, OnRecognize, archiveHeader)) return;

    MemberExpander expander(*this, file, target, archiveHeader);
    std::int64_t sum = 0;
    ForEachMember(file, [&](const MemberHeader& member, const std::string& name, std::int64_t) {
        if (sum >= archiveHeader.totalSize) return false;
        if (SameMemberName(name, memberName)) expander.Expand(member);
        sum += member.originalSize;
        return true;
    });
}

ArchiveListing TArchive::ListMembers(const std::string& archivePath) {
    TFileStream file(archivePath);
    ArchiveListing listing;
    ArchiveHeader archiveHeader;
    if (!ReadArchiveHeader(file, OnRecognize, archiveHeader)) return listing;
    listing.methodId = archiveHeader.methodId;
    listing.totalSize = archiveHeader.totalSize;
    ForEachMember(file, [&](const MemberHeader& member, const std::string& name, std::int64_t dataOffset) {
        MemberInfo info;
        info.name = name;
        info.method = member.method;
        info.originalSize = member.originalSize;
        info.compressedSize = member.compressedSize;
        info.checksum = member.checksum;
        info.lock = member.lock;
        info.dataOffset = dataOffset;
        listing.members.push_back(std::move(info));
        return true;
    });
    return listing;
}

}  // namespace vellumar
