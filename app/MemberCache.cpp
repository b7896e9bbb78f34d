#include "app/MemberCache.h"

#include <sys/stat.h>

namespace vellumar {

std::optional<FileIdentity> IdentifyFile(const std::string& path) {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    FileIdentity id;
    id.device = info.st_dev;
    id.inode = info.st_ino;
    id.size = info.st_size;
    id.modifiedNs = std::int64_t{info.st_mtim.tv_sec} * 1'000'000'000 + info.st_mtim.tv_nsec;
    return id;
}

MemberText ExpandedMemberCache::Find(const std::string& path, const FileIdentity& identity, std::string_view member) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->path != path || it->member != member) continue;
        if (it->identity != identity) return nullptr;
        entries_.splice(entries_.begin(), entries_, it);
        return it->text;
    }
    return nullptr;
}

void ExpandedMemberCache::Keep(const std::string& path, const FileIdentity& identity, std::string_view member,
                               MemberText text) {
    for (auto it = entries_.begin(); it != entries_.end();) {
        const auto next = std::next(it);
        if (it->path == path && (it->identity != identity || it->member == member)) Drop(it);
        it = next;
    }
    if (!text || text->size() > budget_) return;
    bytes_ += text->size();
    entries_.push_front(Entry{path, identity, std::string(member), std::move(text)});
    while (bytes_ > budget_) Drop(std::prev(entries_.end()));
}

void ExpandedMemberCache::Drop(std::list<Entry>::iterator at) {
    bytes_ -= at->text->size();
    entries_.erase(at);
}

void ExpandedMemberCache::Clear() {
    entries_.clear();
    bytes_ = 0;
}

ExpandedMemberCache& MemberCache() {
    static ExpandedMemberCache cache(std::size_t{256} << 20);
    return cache;
}

}  // namespace vellumar
