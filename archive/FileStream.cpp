#include "archive/FileStream.h"

#include "archive/Errors.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
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

std::size_t TFileStream::Read(void* buf, std::size_t n) {
    auto* out = static_cast<char*>(buf);
    std::size_t total = 0;
    while (total < n) {
        const ssize_t got = ::read(fd_, out + total, n - total);
        if (got < 0) {
            if (errno == EINTR) continue;
            throw EReadError();
        }
        if (got == 0) break;
        total += static_cast<std::size_t>(got);
    }
    return total;
}

void TFileStream::Write(const void*, std::size_t) { throw EWriteError(); }

std::int64_t TFileStream::Seek(std::int64_t offset, SeekOrigin origin) {
    int whence = SEEK_SET;
    if (origin == SeekOrigin::Current) whence = SEEK_CUR;
    if (origin == SeekOrigin::End) whence = SEEK_END;
    const off_t result = ::lseek(fd_, static_cast<off_t>(offset), whence);
    if (result < 0) throw EStreamError("Stream seek error");
    return static_cast<std::int64_t>(result);
}

}  // namespace vellumar
