#include "archive/DecoderFrame.h"

#include "archive/Errors.h"

#include <algorithm>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <thread>

namespace vellumar {

namespace {
// The 32-bit sum of n bytes. Sixteen at a time where SSE2 has a sum of absolute
// differences, which against zero adds eight bytes into each 64-bit half;
// otherwise eight at a time, the odd and even bytes going into four 16-bit
// lanes each, which cannot overflow within 128 words (128 * 2 * 255 < 65536).
std::uint32_t Sum(const unsigned char* data, std::size_t n) {
    std::uint32_t sum = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    __m128i halves = zero;
    for (; n >= 16; n -= 16, data += 16)
        halves = _mm_add_epi64(halves, _mm_sad_epu8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data)), zero));
    sum += static_cast<std::uint32_t>(_mm_cvtsi128_si32(halves)) +
           static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_unpackhi_epi64(halves, halves)));
#endif
    constexpr std::uint64_t lowBytes = 0x00FF00FF00FF00FFull;
    while (n >= 8) {
        const std::size_t words = std::min<std::size_t>(n / 8, 128);
        std::uint64_t lanes = 0;
        for (std::size_t k = 0; k < words; ++k, data += 8) {
            std::uint64_t v;
            std::memcpy(&v, data, 8);
            lanes += (v & lowBytes) + ((v >> 8) & lowBytes);
        }
        for (; lanes != 0; lanes >>= 16) sum += static_cast<std::uint32_t>(lanes & 0xFFFF);
        n -= words * 8;
    }
    for (std::size_t i = 0; i < n; ++i) sum += data[i];
    return sum;
}
}  // namespace

ByteSource::ByteSource(TStream& in, std::int64_t compressedSize, const TShowProgressEvent* progress)
    : in_(in), progress_(progress && *progress ? progress : nullptr), unread_(std::max<std::int64_t>(compressedSize, 0)) {}

unsigned ByteSource::NextBlock() {
    endFlag_ = true;
    if (unread_ <= 0) return 0;
    // Never read past the member's stored bytes, so the scan can go on after it.
    const std::size_t want = static_cast<std::size_t>(std::min<std::int64_t>(unread_, FrameBlockSize));
    const std::size_t got = in_.Read(block_.data(), want);
    unread_ -= static_cast<std::int64_t>(got);
    pos_ = end_ = 0;
    if (got == 0) {
        unread_ = 0;  // the file ends early: the rest reads as zero bytes
        return 0;
    }
    end_ = got;
    if (progress_) {
        readSoFar_ += static_cast<std::int64_t>(got);
        const std::int64_t a = readSoFar_;
        const std::int64_t b = a + unread_;
        std::int32_t percent = static_cast<std::int32_t>(b <= 100000 ? a * 100 / b : a / (b / 100));
        (*progress_)(percent);
        if (percent == -1) {
            // The handler aborts: this block is dropped and, as at the end of
            // the data, every later byte reads as 0.
            end_ = 0;
            unread_ = 0;
            return 0;
        }
    }
    std::this_thread::yield();
    endFlag_ = false;
    return block_[pos_++];
}

ByteSink::ByteSink(TStream& out, std::int64_t budget, std::int64_t limitForMessage)
    : out_(out), budget_(budget), limitForMessage_(limitForMessage) {}

void ByteSink::PutBytes(const unsigned char* data, std::size_t n) {
    while (n > 0) {
        if (pos_ == FrameBlockSize) Flush();
        if (pos_ == 0 && n > FrameBlockSize) {
            // A whole block of the caller's bytes goes out as it is, without the copy.
            checksum_ += Sum(data, FrameBlockSize);
            std::this_thread::yield();
            WriteFrom(data, FrameBlockSize);
            data += FrameBlockSize;
            n -= FrameBlockSize;
            continue;
        }
        const std::size_t k = std::min(n, FrameBlockSize - pos_);
        std::memcpy(block_.data() + pos_, data, k);
        checksum_ += Sum(data, k);
        pos_ += k;
        data += k;
        n -= k;
    }
}

void ByteSink::Flush() {
    std::this_thread::yield();
    WriteBlock(FrameBlockSize);
    pos_ = 0;
}

void ByteSink::Finish() {
    if (pos_ > 0) WriteBlock(pos_);
    pos_ = 0;
}

void ByteSink::WriteBlock(std::size_t n) { WriteFrom(block_.data(), n); }

void ByteSink::WriteFrom(const unsigned char* data, std::size_t n) {
    if (written_ + static_cast<std::int64_t>(n) > budget_) throw EMemberTooLarge(limitForMessage_);
    out_.Write(data, n);
    written_ += static_cast<std::int64_t>(n);
}

}  // namespace vellumar
