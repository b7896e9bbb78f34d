#pragma once
// A file opened for reading under a shared lock: any number of readers, in this
// or other processes, hold it at once; an open is refused while someone holds an
// exclusive lock on the file.

#include "archive/Stream.h"

#include <array>
#include <string>

namespace vellumar {

class TFileStream : public TStream {
public:
    // Throws EFOpenError ("Cannot open file <path>") when the file is missing,
    // unreadable or locked exclusively by someone else.
    explicit TFileStream(const std::string& path);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    std::size_t Read(void* buf, std::size_t n) override;
    // Archives are only read: writing always fails with EWriteError.
    void Write(const void* buf, std::size_t n) override;
    std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;

    const std::string& Path() const { return path_; }

private:
    // Reads at `offset` without moving the descriptor: the position lives here,
    // so a seek costs no system call.
    std::size_t ReadAt(std::int64_t offset, void* buf, std::size_t n);

    // The member scan reads a header and a name at a time: reads shorter than the
    // read-ahead are served from one system call's worth of bytes.
    static constexpr std::size_t ReadAhead = 256;

    int fd_ = -1;
    std::string path_;
    std::int64_t position_ = 0;
    std::int64_t aheadStart_ = 0;
    std::size_t aheadSize_ = 0;
    std::array<char, ReadAhead> ahead_;
};

}  // namespace vellumar
