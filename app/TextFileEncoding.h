#pragma once
// Text files of the user's own, searched instead of the dictionaries, are
// mostly UTF-8 today, and older ones cp1251: which one a file is, and the
// conversion of UTF-8 into the system's cp1251 as the file is read.

#include <string>
#include <string_view>

#include "engine/Search.h"

namespace vellumar {

// Whether the file is to be read as UTF-8: it starts with the UTF-8 byte order
// mark, or it is valid UTF-8 and holds a byte above 0x7F. Read in pieces up to
// its first invalid sequence. False too when it can't be read.
bool IsUtf8TextFile(const std::string& path);

// Whether `bytes` holds only complete, valid UTF-8 sequences.
bool IsValidUtf8(std::string_view bytes);

// A decoder for SearchFile from UTF-8 to cp1251. A sequence cut by the end of a
// piece waits for the next one. The byte order mark and the stress marks
// (U+0300, U+0301), which sit inside words, are dropped; any other character
// cp1251 lacks, and any invalid byte, becomes "?".
TextDecoder Utf8ToCp1251Decoder();

}  // namespace vellumar
