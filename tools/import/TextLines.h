#pragma once
// A text source read line by line as UTF-8, whatever its encoding: UTF-16 of
// either byte order (with a byte order mark, or recognised by the zero bytes
// of its first character), UTF-8 with or without a mark, and cp1251 for text
// that is not UTF-8. Sequences that are not valid in the source's encoding
// become U+FFFD.

#include "tools/import/ByteSource.h"

#include <iconv.h>

#include <memory>
#include <string>
#include <string_view>

namespace vellumar::import {

enum class TextEncoding { Utf8, Utf16LE, Utf16BE, Cp1251 };

// The beginning of a text source as UTF-8, its encoding told as TextLines
// tells it; a character that the end of `head` cuts off is left out.
std::string DecodeTextHead(std::string head);

class TextLines {
public:
    // Reads the beginning of the source to tell its encoding.
    explicit TextLines(ByteSource& source);
    ~TextLines();
    TextLines(const TextLines&) = delete;
    TextLines& operator=(const TextLines&) = delete;

    // The next line without its LF or CR LF; false at the end. A line longer
    // than kMaxLineBytes keeps its first kMaxLineBytes (whole characters).
    bool Next(std::string& line);

private:
    // Decodes more of the source into text_; false at the source's end.
    bool Decode();

    ByteSource& source_;
    TextEncoding encoding_ = TextEncoding::Utf8;
    iconv_t decoder_;
    std::unique_ptr<char[]> chunk_;  // what one read brings
    std::string raw_;        // source bytes not yet decoded
    std::string text_;       // decoded UTF-8 not yet handed out, from textPos_
    std::size_t textPos_ = 0;
    bool sourceEnded_ = false;
};

}  // namespace vellumar::import
