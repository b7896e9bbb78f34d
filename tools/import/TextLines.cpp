#include "tools/import/TextLines.h"

#include "tools/import/IconvRun.h"
#include "tools/import/ImportErrors.h"
#include "app/Utf8.h"

#include <cerrno>
#include <cstring>

namespace vellumar::import {

namespace {

const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(-1);
constexpr std::size_t kReadChunk = 64 << 10;
// How much of the beginning tells UTF-8 from cp1251.
constexpr std::size_t kSniffBytes = 16 << 10;

TextEncoding TellEncoding(std::string& raw) {
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(raw[i]); };
    if (raw.size() >= 2 && at(0) == 0xFF && at(1) == 0xFE) {
        raw.erase(0, 2);
        return TextEncoding::Utf16LE;
    }
    if (raw.size() >= 2 && at(0) == 0xFE && at(1) == 0xFF) {
        raw.erase(0, 2);
        return TextEncoding::Utf16BE;
    }
    if (raw.size() >= 3 && at(0) == 0xEF && at(1) == 0xBB && at(2) == 0xBF) {
        raw.erase(0, 3);
        return TextEncoding::Utf8;
    }
    // Text begins with a character below U+0100: one of its two bytes is zero.
    if (raw.size() >= 2 && at(0) != 0 && at(1) == 0) return TextEncoding::Utf16LE;
    if (raw.size() >= 2 && at(0) == 0 && at(1) != 0) return TextEncoding::Utf16BE;
    return LooksLikeUtf8(raw) ? TextEncoding::Utf8 : TextEncoding::Cp1251;
}

const char* IconvName(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf16LE: return "UTF-16LE";
        case TextEncoding::Utf16BE: return "UTF-16BE";
        case TextEncoding::Cp1251: return "CP1251";
        case TextEncoding::Utf8: break;
    }
    return nullptr;
}

void AppendReplacement(std::string& text) { AppendUtf8(text, kReplacementCharacter); }

// The decoder for `encoding`; none for UTF-8, which needs none.
iconv_t OpenDecoder(TextEncoding encoding) {
    const char* name = IconvName(encoding);
    if (!name) return kNoDescriptor;
    const iconv_t decoder = iconv_open("UTF-8", name);
    if (decoder == kNoDescriptor) throw EImportError(std::string("iconv cannot convert ") + name + " to UTF-8");
    return decoder;
}

// Decodes `raw` onto `text` and returns how much of it was taken. A unit that
// is not valid (a lone surrogate, cp1251's unused byte) becomes U+FFFD; so
// does a character that the end of the source cuts off, where `atEnd` says
// that it ends; before that, the rest of the character comes with the next read.
std::size_t DecodeUnits(iconv_t decoder, TextEncoding encoding, std::string_view raw, bool atEnd, std::string& text) {
    const std::size_t unit = encoding == TextEncoding::Cp1251 ? 1 : 2;
    std::size_t pos = 0;
    while ((pos += IconvRun(decoder, raw.substr(pos), text)) < raw.size()) {
        const bool cutOff = errno == EINVAL;
        if (cutOff && !atEnd) break;
        AppendReplacement(text);
        pos += cutOff ? raw.size() - pos : std::min(unit, raw.size() - pos);
    }
    return pos;
}

struct DecoderCloser {
    void operator()(void* decoder) const { iconv_close(static_cast<iconv_t>(decoder)); }
};

}  // namespace

std::string DecodeTextHead(std::string head) {
    const TextEncoding encoding = TellEncoding(head);
    const iconv_t decoder = OpenDecoder(encoding);
    if (decoder == kNoDescriptor) return head;
    const std::unique_ptr<void, DecoderCloser> closer(decoder);
    std::string text;
    DecodeUnits(decoder, encoding, head, false, text);
    return text;
}

TextLines::TextLines(ByteSource& source)
    : source_(source), decoder_(kNoDescriptor), chunk_(std::make_unique_for_overwrite<char[]>(kReadChunk)) {
    while (raw_.size() < kSniffBytes) {
        const std::size_t n = source_.Read(chunk_.get(), kSniffBytes - raw_.size());
        if (n == 0) {
            sourceEnded_ = true;
            break;
        }
        raw_.append(chunk_.get(), n);
    }
    encoding_ = TellEncoding(raw_);
    decoder_ = OpenDecoder(encoding_);
}

TextLines::~TextLines() {
    if (decoder_ != kNoDescriptor) iconv_close(decoder_);
}

bool TextLines::Decode() {
    if (raw_.empty() || (decoder_ != kNoDescriptor && !sourceEnded_ && raw_.size() < 4)) {
        if (sourceEnded_ && raw_.empty()) return false;
        if (!sourceEnded_) {
            const std::size_t got = source_.Read(chunk_.get(), kReadChunk);
            raw_.append(chunk_.get(), got);
            if (got == 0) sourceEnded_ = true;
        }
    }
    if (decoder_ == kNoDescriptor) {
        text_ += raw_;
        raw_.clear();
    } else {
        raw_.erase(0, DecodeUnits(decoder_, encoding_, raw_, sourceEnded_, text_));
    }
    return true;
}

bool TextLines::Next(std::string& line) {
    std::size_t searchFrom = textPos_;
    bool cut = false;  // the line is longer than the limit: its beginning is in `line`
    for (;;) {
        const char* start = text_.data();
        const void* found = std::memchr(start + searchFrom, '\n', text_.size() - searchFrom);
        if (found) {
            const std::size_t end = static_cast<std::size_t>(static_cast<const char*>(found) - start);
            if (!cut) line.assign(text_, textPos_, end - textPos_);
            textPos_ = end + 1;
            break;
        }
        if (!cut && text_.size() - textPos_ > kMaxLineBytes) {
            const std::string_view rest = std::string_view(text_).substr(textPos_);
            line.assign(rest.substr(0, Utf8CutPoint(rest, kMaxLineBytes)));
            cut = true;
        }
        if (cut) {
            text_.clear();
        } else {
            text_.erase(0, textPos_);
        }
        textPos_ = 0;
        searchFrom = text_.size();
        if (!Decode()) {
            if (cut) return true;
            if (text_.empty()) return false;
            line = std::move(text_);
            text_.clear();
            break;
        }
    }
    if (!cut && !line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

}  // namespace vellumar::import
