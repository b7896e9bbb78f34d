#pragma once
// Expanded archive members kept between searches. Repeated searches are the
// normal use, and expanding a large dictionary's members costs far more than
// searching them. A kept member serves while its archive is the same file
// with the same size and modification time; a changed file is read afresh.

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vellumar {

using MemberText = std::shared_ptr<const std::string>;

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t modifiedNs = 0;

    bool operator==(const FileIdentity&) const = default;
};

// The identity of the file at `path`, or nothing when it can't be looked at.
std::optional<FileIdentity> IdentifyFile(const std::string& path);

// Least recently used members are dropped once the texts kept pass the budget.
class ExpandedMemberCache {
public:
    explicit ExpandedMemberCache(std::size_t budgetBytes) : budget_(budgetBytes) {}

    // The kept text of `member` of the archive at `path`, if it was kept for
    // the same identity; marks it as just used.
    MemberText Find(const std::string& path, const FileIdentity& identity, std::string_view member);

    // Keeps `text`, dropping what was kept of another identity of `path` and
    // then the least recently used beyond the budget. A text larger than the
    // whole budget is not kept.
    void Keep(const std::string& path, const FileIdentity& identity, std::string_view member, MemberText text);

    std::size_t Bytes() const { return bytes_; }
    void Clear();

private:
    struct Entry {
        std::string path;
        FileIdentity identity;
        std::string member;
        MemberText text;
    };
    void Drop(std::list<Entry>::iterator at);

    std::list<Entry> entries_;   // most recently used first
    std::size_t budget_;
    std::size_t bytes_ = 0;
};

// The program's cache, with a budget of 256 MiB.
ExpandedMemberCache& MemberCache();

}  // namespace vellumar
