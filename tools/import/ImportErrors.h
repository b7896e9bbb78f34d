#pragma once
// The import's failures and the bounds that keep damaged or hostile sources
// from taking unbounded time or memory.

#include "engine/Exception.h"

#include <cstdint>
#include <string>

namespace vellumar::import {

// A source that can't be read as the dictionary it claims to be.
class EImportError : public Exception {
public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EImportError"; }
};

// The source is none of the formats that are read.
class EUnknownSourceFormat : public EImportError {
public:
    explicit EUnknownSourceFormat(const std::string& path)
        : EImportError(path + " is not a dictionary that can be imported: give a DSL file (.dsl, .dsl.dz), "
                              "a StarDict .ifo or a dictd .index") {}
    const char* ClassName() const noexcept override { return "EUnknownSourceFormat"; }
};

// The caller's cancel check said stop.
class EImportCancelled : public EImportError {
public:
    EImportCancelled() : EImportError("Import cancelled") {}
    const char* ClassName() const noexcept override { return "EImportCancelled"; }
};

// A streamed source (a DSL text, a dictionary's data) once expanded.
inline constexpr std::uint64_t kMaxStreamBytes = std::uint64_t{4} << 30;
// A file read whole into memory: an index, a list of synonyms.
inline constexpr std::uint64_t kMaxIndexBytes = std::uint64_t{512} << 20;
// A header file (.ifo).
inline constexpr std::uint64_t kMaxHeaderBytes = 1 << 20;
// One entry's data; a larger one is taken for damage.
inline constexpr std::uint32_t kMaxEntryBytes = 16u << 20;
// A text line of a DSL source; the rest of a longer line is left out.
inline constexpr std::size_t kMaxLineBytes = 1 << 20;
// The text gathered for one definition before it is cut to the line model's
// 1024 bytes: enough for that many cp1251 characters from UTF-8.
inline constexpr std::size_t kMaxDefinitionSourceBytes = 8 << 10;

}  // namespace vellumar::import
