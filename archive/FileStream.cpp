#include "archive/FileStream.h"

#include "archive/Errors.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vellumar {

TFileStream::TFileStream(const std::string& path) : path_(path) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) throw EFOpenError(path);
    // Readers share: refusing a second reader would only drop a dictionary from a
    // search running beside another. An exclusive holder is refused, not waited for.
    if (::flock(fd_, LOCK_SH | LOCK_NB) != 0) {
        ::close(fd_);
        fd_ = -1;
        throw EFOpenError(path);
    }
}

TFileStream::~TFileStream() {
    if (fd_ >= 0) ::close(fd_);  // closing drops the lock
}

std::size_t TFileStream::ReadAt(std::int64_t offset, void* buf, std::size_t n) {
    auto* out = static_cast<char*>(buf);
    std::size_t total = 0;
    while (total < n) {
        const ssize_t got = ::pread(fd_, out + total, n - total, static_cast<off_t>(offset) + static_cast<off_t>(total));
        if (got < 0) {
            if (errno == EINTR) continue;
            throw EReadError();
        }
        if (got == 0) break;
        total += static_cast<std::size_t>(got);
    }
    return total;
}

std::size_t TFileStream::Read(void* buf, std::size_t n) {
    if (n >= ReadAhead) {
        const std::size_t got = ReadAt(position_, buf, n);
        position_ += static_cast<std::int64_t>(got);
        return got;
    }
    if (position_ < aheadStart_ || static_cast<std::size_t>(position_ - aheadStart_) + n > aheadSize_) {
        aheadStart_ = position_;
        aheadSize_ = 0;  // stays empty if the read fails
        aheadSize_ = ReadAt(position_, ahead_.data(), ahead_.size());
    }
    // Here the position lies within the read-ahead, at its end at the most.
    const auto offset = static_cast<std::size_t>(position_ - aheadStart_);
    const std::size_t got = std::min(n, aheadSize_ - offset);
    std::memcpy(buf, ahead_.data() + offset, got);
    position_ += static_cast<std::int64_t>(got);
    return got;
}

void TFileStream::Write(const void*, std::size_t) { throw EWriteError(); }

std::int64_t TFileStream::Seek(std::int64_t offset, SeekOrigin origin) {
    std::int64_t base = 0;
    if (origin == SeekOrigin::Current) base = position_;
    if (origin == SeekOrigin::End) {
        struct stat info;
        if (::fstat(fd_, &info) != 0) throw EStreamError("Stream seek error");
        base = static_cast<std::int64_t>(info.st_size);
    }
    if (base + offset < 0) throw EStreamError("Stream seek error");
    position_ = base + offset;
    return position_;
}

}  // namespace vellumar
