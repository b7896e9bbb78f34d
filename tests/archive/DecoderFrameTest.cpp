// The word-at-a-time pieces under the decoders, checked against plain byte loops.

#include "archive/DecoderFrame.h"
#include "archive/MemoryStream.h"
#include "archive/OutputWindow.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace vellumar::test {
namespace {

TEST(ByteSink, ChecksumIsTheByteSumForAnyLengthAndSplit) {
    std::mt19937 rng(7);
    // All 0xFF is the largest sum per word; the lengths cross the 8-byte words,
    // the 128-word runs and the 8192-byte blocks.
    for (const bool saturated : {true, false}) {
        for (const std::size_t n : {0u, 1u, 7u, 8u, 9u, 1023u, 1024u, 1025u, 1031u, 8191u, 8192u, 8193u, 20000u}) {
            std::vector<unsigned char> data(n);
            std::uint32_t expected = 0;
            for (auto& b : data) {
                b = saturated ? 0xFF : static_cast<unsigned char>(rng());
                expected += b;
            }
            TMemoryStream out;
            ByteSink sink(out, 1 << 20, 1 << 20);
            const std::size_t first = n / 3;  // an unaligned start for the rest
            sink.PutBytes(data.data(), first);
            sink.PutBytes(data.data() + first, n - first);
            sink.Finish();
            EXPECT_EQ(sink.Checksum(), expected) << n << (saturated ? " saturated" : " random");
            EXPECT_EQ(out.Data(), std::string(data.begin(), data.end()));
        }
    }
}

TEST(OutputWindow, CopyMatchRepeatsShortPeriodsLikeAByteLoop) {
    for (std::size_t back = 1; back <= 20; ++back) {
        for (std::size_t length = 1; length <= 256; ++length) {
            std::vector<unsigned char> got(64 + 256 + OutputWindow::Slack), want;
            for (std::size_t i = 0; i < 64; ++i) got[i] = static_cast<unsigned char>('a' + i % 26);
            want = got;
            for (std::size_t i = 0; i < length; ++i) want[64 + i] = want[64 + i - back];
            OutputWindow::CopyMatch(got.data() + 64, back, length);
            ASSERT_TRUE(std::equal(want.begin(), want.begin() + 64 + static_cast<std::ptrdiff_t>(length), got.begin()))
                << "back " << back << " length " << length;
        }
    }
}

}  // namespace
}  // namespace vellumar::test
