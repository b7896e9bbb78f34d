// Expansion of the RLE and LZH methods.

#include "archive/BitReader.h"
#include "archive/Decoders.h"
#include "archive/LzhTree.h"
#include "archive/OutputWindow.h"

#include <cstring>
#include <memory>

namespace vellumar {

namespace {
constexpr unsigned RunMarker = 0x94;
}

void ExpandRle(ByteSource& in, ByteSink& out) {
    unsigned remembered = 0;
    for (;;) {
        const unsigned c = in.GetByte();
        if (in.End()) return;
        if (c != RunMarker) {
            out.PutByte(static_cast<unsigned char>(c));
        } else {
            // The end flag is deliberately not tested: a lone final marker reads n = 0.
            const unsigned n = in.GetByte();
            if (n == 0) {
                out.PutByte(static_cast<unsigned char>(RunMarker));
            } else {
                for (unsigned k = 1; k < n; ++k) out.PutByte(static_cast<unsigned char>(remembered));
            }
        }
        remembered = c;
    }
}

void ExpandLzh(ByteSource& in, ByteSink& out, std::int64_t originalSize) {
    if (originalSize <= 0) return;
    auto tree = std::make_unique<LzhTree>();
    tree->Start();
    BitReader bits(in);
    OutputWindow window(out, lzh::RingSize);
    // The history holds ring positions 4036..4095 (never written before the start:
    // zero) and then 0..4035 (spaces); output continues at ring position 4036.
    unsigned char* history = window.History();
    std::memset(history, 0, lzh::MaxMatch);
    std::memset(history + lzh::MaxMatch, ' ', lzh::RingStart);

    auto nextBit = [&bits] { return bits.Bit(); };
    std::int64_t count = 0;
    while (count < originalSize) {
        window.MakeRoom();
        const int symbol = tree->DecodeSymbol(nextBit);
        if (symbol < 256) {
            window.Literal(static_cast<unsigned char>(symbol));
            ++count;
            continue;
        }
        const unsigned length = static_cast<unsigned>(symbol - lzh::MatchSymbolOffset);
        bits.Ensure(8);
        const unsigned first = bits.Peek(8);
        bits.Skip(8);
        const unsigned extra = PositionLengthOfByte[first] - 2u;
        const unsigned low = ((first << extra) | bits.Get(extra)) & 0x3F;
        const unsigned position = (unsigned{PositionUpperOfByte[first]} << 6) | low;
        window.Copy(position + 1, length);
        count += length;
    }
    window.Finish();
}

}  // namespace vellumar
