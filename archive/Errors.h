#pragma once
// The archive reader's failures. Each has a fixed message (UTF-8).

#include "engine/Exception.h"

#include <string>

namespace vellumar {

// The first five bytes are not the archive magic.
class EInvalidHeader : public Exception {
public:
    EInvalidHeader() : Exception("Не могу прочитать хэдэр файла") {}
    const char* ClassName() const noexcept override { return "EInvalidHeader"; }
};

class EInvalidHeaderArchiveType : public Exception {
public:
    EInvalidHeaderArchiveType() : Exception("Archive type must be caMulti") {}
    const char* ClassName() const noexcept override { return "EInvalidHeaderArchiveType"; }
};

// `methodId` is the header's three identifier bytes.
class EUnrecognizedCompressionMethod : public Exception {
public:
    explicit EUnrecognizedCompressionMethod(const std::string& methodId)
        : Exception("Unrecognized compression method: \"" + methodId + "\" in header") {}
    const char* ClassName() const noexcept override { return "EUnrecognizedCompressionMethod"; }
};

class EInvalidKey : public Exception {
public:
    EInvalidKey() : Exception("Файл закрыт - нужен жёлтый ключ") {}
    const char* ClassName() const noexcept override { return "EInvalidKey"; }
};

class EBadChecksum : public Exception {
public:
    EBadChecksum() : Exception("Bad checksum during expansion - данные могут быть испорчены") {}
    const char* ClassName() const noexcept override { return "EBadChecksum"; }
};

// Huffman code lengths that do not form a usable code (LZH family decoders).
class ELZHBadDecodeTable : public Exception {
public:
    ELZHBadDecodeTable() : Exception("Bad decode table in archive!") {}
    const char* ClassName() const noexcept override { return "ELZHBadDecodeTable"; }
};

// A member (or all members of one name together) would expand to more than the
// reader's limit; no real dictionary comes near it, so the file is taken as damaged.
class EMemberTooLarge : public Exception {
public:
    explicit EMemberTooLarge(long long limit)
        : Exception("Member too large: it would expand to more than " + std::to_string(limit) + " bytes") {}
    const char* ClassName() const noexcept override { return "EMemberTooLarge"; }
};

// The stream layer's failures.
class EStreamError : public Exception {
public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EStreamError"; }
};

class EFOpenError : public EStreamError {
public:
    explicit EFOpenError(const std::string& path) : EStreamError("Cannot open file " + path) {}
    const char* ClassName() const noexcept override { return "EFOpenError"; }
};

class EReadError : public EStreamError {
public:
    EReadError() : EStreamError("Stream read error") {}
    const char* ClassName() const noexcept override { return "EReadError"; }
};

class EWriteError : public EStreamError {
public:
    EWriteError() : EStreamError("Stream write error") {}
    const char* ClassName() const noexcept override { return "EWriteError"; }
};

}  // namespace vellumar
