#pragma once
// Text files of the user's own, searched instead of the dictionaries, are
// mostly UTF-8 today, and older ones cp1251: which one a file is, and the
// conversion of UTF-8 into the system's cp1251 as the file is read.

#include <string>
#include <string_view>

#include "engine/Search.h"

namespace vellumar {

// A decoder for SearchFile that tells a text file's encoding as it reads it:
// ASCII is the same in both, so the text passes as it is up to the first piece
// that holds a byte above 0x7F; where that piece (with the byte order mark, if
// the file starts with one) is valid UTF-8, the file is read as UTF-8 from
// there on (Utf8ToCp1251Decoder), otherwise as cp1251. One pass, so that a
// file of any size is read once, and a pipe can be read at all.
TextDecoder TextFileDecoder();

// A decoder for SearchFile from UTF-8 to cp1251. A sequence cut by the end of a
// piece waits for the next one. The byte order mark and the stress marks
// (U+0300, U+0301), which sit inside words, are dropped; е and и followed by
// the combining diaeresis or breve become ё and й; any other character cp1251
// lacks, and any invalid byte, becomes "?".
TextDecoder Utf8ToCp1251Decoder();

}  // namespace vellumar
