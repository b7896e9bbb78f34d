#include "tools/import/ByteSource.h"

#include "archive/Errors.h"
#include "tools/import/ImportErrors.h"

#include <sys/stat.h>

#include <cstring>

namespace vellumar::import {

namespace {

constexpr std::size_t kInputChunk = 64 << 10;
constexpr unsigned char kGzipMagic[2] = {0x1F, 0x8B};

}  // namespace

ByteSource::ByteSource(const std::string& path, std::uint64_t limit)
    : path_(path), file_(std::fopen(path.c_str(), "rb")), limit_(limit) {
    struct stat info {};
    if (!file_ || ::fstat(::fileno(file_.get()), &info) != 0 || S_ISDIR(info.st_mode)) throw EFOpenError(path);
    fileSize_ = static_cast<std::uint64_t>(info.st_size);
    input_ = std::make_unique_for_overwrite<unsigned char[]>(kInputChunk);
    FillInput();
    gzip_ = inputSize_ >= 2 && std::memcmp(input_.get(), kGzipMagic, 2) == 0;
    if (!gzip_) return;
    // 16 + MAX_WBITS: a gzip wrapper, whose extra field (dictzip's chunk table) zlib skips.
    if (inflateInit2(&zs_, 16 + MAX_WBITS) != Z_OK) throw EImportError(path + ": cannot start the gzip expansion");
    zs_.next_in = input_.get();
    zs_.avail_in = static_cast<uInt>(inputSize_);
}

ByteSource::~ByteSource() {
    if (gzip_) inflateEnd(&zs_);
}

void ByteSource::Fail(const std::string& what) const { throw EImportError(path_ + ": " + what); }

// Only gzip input is ever kept: the one byte of a member's end that may not
// show yet whether another member follows.
bool ByteSource::FillInput() {
    const std::size_t kept = gzip_ ? zs_.avail_in : 0;
    if (kept > 0) std::memmove(input_.get(), zs_.next_in, kept);
    std::size_t got = 0;
    if (!fileEnded_) {
        got = std::fread(input_.get() + kept, 1, kInputChunk - kept, file_.get());
        if (got < kInputChunk - kept) {
            if (std::ferror(file_.get())) Fail("read error");
            fileEnded_ = true;
        }
    }
    inputSize_ = kept + got;
    fileOffset_ += got;
    if (gzip_) {
        zs_.next_in = input_.get();
        zs_.avail_in = static_cast<uInt>(inputSize_);
    }
    if (observer_) observer_();
    return got > 0;
}

std::size_t ByteSource::Read(char* data, std::size_t size) {
    const std::size_t got = gzip_ ? Inflate(data, size) : ReadFile(data, size);
    produced_ += got;
    if (produced_ > limit_) Fail("more than " + std::to_string(limit_ >> 20) + " MiB of data");
    return got;
}

// The first chunk, read by the constructor to look for the gzip magic, is
// handed out before the file is read on.
std::size_t ByteSource::ReadFile(char* data, std::size_t size) {
    std::size_t done = std::min(size, inputSize_ - inputPos_);
    if (done > 0) std::memcpy(data, input_.get() + inputPos_, done);
    inputPos_ += done;
    if (done == size || fileEnded_) return done;
    const std::size_t got = std::fread(data + done, 1, size - done, file_.get());
    if (got < size - done) {
        if (std::ferror(file_.get())) Fail("read error");
        fileEnded_ = true;
    }
    fileOffset_ += got;
    if (observer_) observer_();
    return done + got;
}

// gzip members follow one another (as gzip -c a b > c makes); anything else
// after a member, such as padding, ends the data as gzip itself ignores it.
std::size_t ByteSource::Inflate(char* data, std::size_t size) {
    zs_.next_out = reinterpret_cast<Bytef*>(data);
    zs_.avail_out = static_cast<uInt>(std::min<std::size_t>(size, 1u << 30));
    const uInt wanted = zs_.avail_out;
    while (zs_.avail_out > 0 && !streamEnded_) {
        if (zs_.avail_in == 0 && !FillInput()) Fail("the compressed data ends too early");
        const int status = inflate(&zs_, Z_NO_FLUSH);
        if (status == Z_STREAM_END) {
            if (zs_.avail_in < 2 && !fileEnded_) FillInput();
            if (zs_.avail_in >= 2 && std::memcmp(zs_.next_in, kGzipMagic, 2) == 0) {
                inflateReset(&zs_);
            } else {
                streamEnded_ = true;
            }
        } else if (status == Z_BUF_ERROR) {
            if (zs_.avail_in == 0 && fileEnded_) Fail("the compressed data ends too early");
        } else if (status != Z_OK) {
            Fail(std::string("damaged compressed data") + (zs_.msg ? std::string(" (") + zs_.msg + ")" : ""));
        }
    }
    return wanted - zs_.avail_out;
}

std::string ByteSource::ReadAll() {
    std::string all;
    char buffer[64 << 10];
    while (const std::size_t got = Read(buffer, sizeof buffer)) all.append(buffer, got);
    return all;
}

}  // namespace vellumar::import
