#pragma once
// Assembles archive files for the tests: headers around given stored bytes.

#include "archive/Archive.h"
#include "archive/ArchiveFormat.h"
#include "archive/MemoryStream.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace vellumar::test {

// Bytes from a list of values, e.g. Bytes({0x41, 0x94, 0x05}).
inline std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out.push_back(static_cast<char>(v));
    return out;
}

struct TestMember {
    std::string name;
    std::uint8_t method = MethodNON;
    std::string stored;
    std::int32_t originalSize = -1;  // -1: the size of `expanded`
    std::string expanded;            // gives the checksum and, by default, the size
    std::int32_t lock = 0;
    std::int64_t checksum = -1;      // -1: the sum of `expanded`
};

class ArchiveBuilder {
public:
    explicit ArchiveBuilder(std::string methodId = "LH5") { header_.methodId = std::move(methodId); }

    ArchiveBuilder& TotalSize(std::int32_t total) {
        totalSize_ = total;
        return *this;
    }
    ArchiveBuilder& Type(std::uint8_t type) {
        header_.archiveType = type;
        return *this;
    }
    ArchiveBuilder& Add(const TestMember& m) {
        members_.push_back(m);
        return *this;
    }
    // Raw bytes appended after the members (e.g. a cut-off header).
    ArchiveBuilder& Tail(const std::string& bytes) {
        tail_ += bytes;
        return *this;
    }

    std::string Build() const {
        ArchiveHeader h = header_;
        std::int64_t total = 0;
        for (const TestMember& m : members_) total += OriginalSize(m);
        h.totalSize = totalSize_ ? *totalSize_ : static_cast<std::int32_t>(total);
        std::string out = EncodeArchiveHeader(h);
        for (const TestMember& m : members_) {
            MemberHeader mh;
            mh.nameLength = static_cast<std::int16_t>(m.name.size());
            mh.originalSize = OriginalSize(m);
            mh.compressedSize = static_cast<std::int32_t>(m.stored.size());
            mh.method = m.method;
            mh.checksum = m.checksum >= 0 ? static_cast<std::uint32_t>(m.checksum) : ByteSum(m.expanded);
            mh.lock = m.lock;
            out += EncodeMemberHeader(mh) + m.name + m.stored;
        }
        return out + tail_;
    }

private:
    static std::int32_t OriginalSize(const TestMember& m) {
        return m.originalSize >= 0 ? m.originalSize : static_cast<std::int32_t>(m.expanded.size());
    }

    ArchiveHeader header_;
    std::optional<std::int32_t> totalSize_;
    std::vector<TestMember> members_;
    std::string tail_;
};

// A file in the temporary folder that is removed again when the object goes.
class TempFile {
public:
    explicit TempFile(const std::string& content) {
        static std::atomic<int> counter{0};
        path_ = (std::filesystem::temp_directory_path() /
                 ("vellumar_archive_" + std::to_string(::getpid()) + "_" + std::to_string(counter++) + ".dic"))
                    .string();
        std::ofstream(path_, std::ios::binary) << content;
    }
    ~TempFile() { std::remove(path_.c_str()); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline std::string DataFile(const std::string& name) {
    return ReadFile(std::string(VELLUMAR_TEST_DATA_DIR) + "/archive/" + name);
}

// Expands `member` of the archive bytes with a default TArchive.
inline std::string Expand(const std::string& archiveBytes, const std::string& member) {
    TempFile file(archiveBytes);
    TMemoryStream out;
    TArchive archive;
    archive.ExpandMember(file.Path(), out, member);
    return out.Data();
}

// An archive of one member holding `stored` under `method`, expecting `expanded`.
inline std::string OneMember(std::uint8_t method, const std::string& stored, const std::string& expanded,
                             std::int32_t originalSize = -1) {
    TestMember m;
    m.name = "5.dic";
    m.method = method;
    m.stored = stored;
    m.expanded = expanded;
    m.originalSize = originalSize;
    return ArchiveBuilder(std::string(MethodIds[method < 5 ? method : 0])).Add(m).Build();
}

}  // namespace vellumar::test
