#pragma once
// A source file read front to back in chunks. A file that starts with the gzip
// magic (a .dz is dictzip, which is gzip) is expanded through zlib as it is
// read; the expanded bytes are bounded, so a stream that never ends stops at
// the bound with an error.

#include "app/FileIO.h"

#include <zlib.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace vellumar::import {

class ByteSource {
public:
    // Throws EFOpenError when the file can't be opened.
    ByteSource(const std::string& path, std::uint64_t limit);
    ~ByteSource();
    ByteSource(const ByteSource&) = delete;
    ByteSource& operator=(const ByteSource&) = delete;

    // Up to `size` bytes of the content, expanded; 0 only at its end. Throws
    // EImportError for damaged or truncated compressed data, for content
    // beyond the limit and for read errors.
    std::size_t Read(char* data, std::size_t size);
    // The content from here to its end (within the limit).
    std::string ReadAll();

    bool Compressed() const { return gzip_; }
    // How far the file itself has been read, for progress.
    std::uint64_t FileOffset() const { return fileOffset_; }
    std::uint64_t FileSize() const { return fileSize_; }
    // Called after every read from the file.
    void OnFileRead(std::function<void()> observer) { observer_ = std::move(observer); }

private:
    std::size_t ReadFile(char* data, std::size_t size);
    std::size_t Inflate(char* data, std::size_t size);
    // Moves the unread input to the front and reads more behind it; false at the file's end.
    bool FillInput();
    [[noreturn]] void Fail(const std::string& what) const;

    std::string path_;
    File file_;
    std::uint64_t limit_;
    std::uint64_t produced_ = 0;
    std::uint64_t fileOffset_ = 0;
    std::uint64_t fileSize_ = 0;
    bool gzip_ = false;
    bool fileEnded_ = false;
    bool streamEnded_ = false;
    z_stream zs_{};
    std::unique_ptr<unsigned char[]> input_;
    std::size_t inputSize_ = 0;
    std::size_t inputPos_ = 0;   // plain files: how much of the first chunk was handed out
    std::function<void()> observer_;
};

}  // namespace vellumar::import
