#include "tools/pack/CompressLh5.h"

#include "archive/Lh5Format.h"
#include "tools/pack/BitWriter.h"
#include "tools/pack/CheapestParse.h"
#include "tools/pack/Huffman.h"
#include "tools/pack/MatchFinder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace vellumar::pack {

namespace {

using namespace vellumar::lh5;

constexpr std::size_t kMaxBlockSymbols = 65535;

inline int PositionClass(int d) { return d == 0 ? 0 : std::bit_width(static_cast<unsigned>(d)); }

// How many lengths a block head sends: trailing unused symbols are left out.
int SentLengths(const std::vector<std::uint8_t>& lengths) {
    int n = static_cast<int>(lengths.size());
    while (n > 0 && lengths[n - 1] == 0) --n;
    return n;
}

// Sends a table of code lengths in the form the block head uses for the code-length
// code and the position code: 3 bits for lengths up to 6, else a unary extension.
void WriteSmallLengths(BitWriter& out, const std::vector<std::uint8_t>& lengths, int countBits, int special) {
    const int n = SentLengths(lengths);
    out.Put(static_cast<std::uint32_t>(n), countBits);
    int i = 0;
    while (i < n) {
        const int len = lengths[i++];
        if (len <= 6)
            out.Put(static_cast<std::uint32_t>(len), 3);
        else
            out.Put((1u << (len - 3)) - 2, len - 3);
        if (i == special) {
            int zeros = 0;
            while (i < n && i < special + 3 && lengths[i] == 0) {
                ++i;
                ++zeros;
            }
            out.Put(static_cast<std::uint32_t>(zeros), 2);
        }
    }
}

// Either a full code (two or more symbols used) or the one-symbol form: count 0,
// then the symbol, which then costs no bits.
void WriteSmallCode(BitWriter& out, const std::vector<std::uint32_t>& freq, const std::vector<std::uint8_t>& lengths,
                    int countBits, int special) {
    int only = 0;
    if (UsedSymbols(freq, &only) >= 2) {
        WriteSmallLengths(out, lengths, countBits, special);
    } else {
        out.Put(0, countBits);
        out.Put(static_cast<std::uint32_t>(only), countBits);
    }
}

class Lh5Encoder {
public:
    explicit Lh5Encoder(std::size_t inputSize) {
        out_.Reserve(inputSize / 2 + 64);
        symbols_.reserve(kMaxBlockSymbols);
        distances_.reserve(kMaxBlockSymbols);
    }

    void Literal(unsigned char c) {
        symbols_.push_back(c);
        if (symbols_.size() == kMaxBlockSymbols) SendBlock();
    }

    void Copy(int length, int distance) {
        symbols_.push_back(static_cast<std::uint16_t>(length + MatchSymbolOffset));
        distances_.push_back(static_cast<std::uint16_t>(distance - 1));
        if (symbols_.size() == kMaxBlockSymbols) SendBlock();
    }

    // Each segment goes out as a block of its own (or more, past 65535 symbols),
    // so that the prices its parse used are those of the codes it gets.
    void EndSegment() {
        if (!symbols_.empty()) SendBlock();
    }

    std::string Finish() {
        EndSegment();
        return out_.Finish();
    }

private:
    void SendBlock();
    void WriteLiteralLengths(const std::vector<std::uint8_t>& cLen, const std::vector<std::uint8_t>& tLen,
                             const std::vector<std::uint16_t>& tCode);

    BitWriter out_;
    std::vector<std::uint16_t> symbols_;
    std::vector<std::uint16_t> distances_;  // one per match symbol, already minus one
};

// Walks the literal/length lengths as the block head codes them: lengths as
// symbols 3..18, and runs of zeros as symbols 0 (one zero), 1 (3..18 zeros, 4 more
// bits) and 2 (20 or more, 9 more bits). Calls emit(symbol, extraBits, extraValue).
template <class Emit>
void WalkLiteralLengths(const std::vector<std::uint8_t>& cLen, Emit&& emit) {
    const int n = SentLengths(cLen);
    int i = 0;
    while (i < n) {
        const int len = cLen[i++];
        if (len != 0) {
            emit(len + 2, 0, 0);
            continue;
        }
        int count = 1;
        while (i < n && cLen[i] == 0) {
            ++i;
            ++count;
        }
        if (count <= 2) {
            for (int k = 0; k < count; ++k) emit(0, 0, 0);
        } else if (count <= 18) {
            emit(1, 4, count - 3);
        } else if (count == 19) {
            emit(0, 0, 0);
            emit(1, 4, 15);
        } else {
            emit(2, CBit, count - 20);
        }
    }
}

void Lh5Encoder::WriteLiteralLengths(const std::vector<std::uint8_t>& cLen, const std::vector<std::uint8_t>& tLen,
                                     const std::vector<std::uint16_t>& tCode) {
    out_.Put(static_cast<std::uint32_t>(SentLengths(cLen)), CBit);
    WalkLiteralLengths(cLen, [&](int symbol, int extraBits, int extra) {
        out_.Put(tCode[symbol], tLen[symbol]);
        out_.Put(static_cast<std::uint32_t>(extra), extraBits);
    });
}

void Lh5Encoder::SendBlock() {
    std::vector<std::uint32_t> cFreq(NC, 0), pFreq(NP, 0);
    for (std::uint16_t s : symbols_) ++cFreq[s];
    for (std::uint16_t d : distances_) ++pFreq[PositionClass(d)];

    const std::vector<std::uint8_t> cLen = CodeLengths(cFreq, MaxCodeLength);
    const std::vector<std::uint16_t> cCode = CanonicalCodes(cLen);
    const std::vector<std::uint8_t> pLen = CodeLengths(pFreq, MaxCodeLength);
    const std::vector<std::uint16_t> pCode = CanonicalCodes(pLen);

    out_.Put(static_cast<std::uint32_t>(symbols_.size()), BlockSizeBits);
    int onlyLiteral = 0;
    if (UsedSymbols(cFreq, &onlyLiteral) >= 2) {
        std::vector<std::uint32_t> tFreq(NT, 0);
        WalkLiteralLengths(cLen, [&](int symbol, int, int) { ++tFreq[symbol]; });
        const std::vector<std::uint8_t> tLen = CodeLengths(tFreq, MaxCodeLength);
        WriteSmallCode(out_, tFreq, tLen, TBit, TSpecial);
        WriteLiteralLengths(cLen, tLen, CanonicalCodes(tLen));
    } else {
        out_.Put(0, TBit);
        out_.Put(0, TBit);
        out_.Put(0, CBit);
        out_.Put(static_cast<std::uint32_t>(onlyLiteral), CBit);
    }
    WriteSmallCode(out_, pFreq, pLen, PBit, -1);

    std::size_t nextDistance = 0;
    for (std::uint16_t s : symbols_) {
        out_.Put(cCode[s], cLen[s]);
        if (s < 256) continue;
        const int d = distances_[nextDistance++];
        const int cls = PositionClass(d);
        out_.Put(pCode[cls], pLen[cls]);
        if (cls > 1) out_.Put(static_cast<std::uint32_t>(d - (1 << (cls - 1))), cls - 1);
    }
    symbols_.clear();
    distances_.clear();
}

// Prices from the codes that a block of these tokens would get.
ParsePrices PricesOf(std::string_view segment, const std::vector<Token>& tokens) {
    std::vector<std::uint32_t> cFreq(NC, 0), pFreq(NP, 0);
    std::size_t at = 0;
    for (const Token& t : tokens) {
        if (t.distance == 0) {
            ++cFreq[static_cast<unsigned char>(segment[at])];
        } else {
            ++cFreq[t.length + MatchSymbolOffset];
            ++pFreq[PositionClass(t.distance - 1)];
        }
        at += t.length;
    }
    auto bits = [](const std::vector<std::uint32_t>& freq) {
        const std::vector<std::uint8_t> lengths = CodeLengths(freq, MaxCodeLength);
        int longest = 1;
        for (std::uint8_t len : lengths) longest = std::max<int>(longest, len);
        // A symbol the block does not use yet is priced like a rare one.
        std::vector<std::uint32_t> price(freq.size());
        for (std::size_t i = 0; i < freq.size(); ++i)
            price[i] = PriceUnit * (lengths[i] ? lengths[i] : (freq[i] ? 1 : longest + 2));
        return price;
    };
    const std::vector<std::uint32_t> cPrice = bits(cFreq);
    const std::vector<std::uint32_t> pPrice = bits(pFreq);
    ParsePrices prices;
    prices.literal.assign(cPrice.begin(), cPrice.begin() + 256);
    prices.length.assign(MaxMatch + 1, 0);
    for (int length = Threshold; length <= MaxMatch; ++length) prices.length[length] = cPrice[length + MatchSymbolOffset];
    prices.distance.assign(RingSize + 1, 0);
    for (int distance = 1; distance <= RingSize; ++distance) {
        const int cls = PositionClass(distance - 1);
        prices.distance[distance] = pPrice[cls] + PriceUnit * static_cast<std::uint32_t>(cls > 1 ? cls - 1 : 0);
    }
    return prices;
}

}  // namespace

std::string CompressLh5(std::string_view data) {
    if (data.empty()) return {};
    MatchLimits limits;
    limits.window = RingSize;
    limits.maxLength = MaxMatch;
    limits.maxChain = 16;
    limits.niceLength = MaxMatch;
    Lh5Encoder encoder(data.size());
    ParseBySegments(data, limits, PricesOf, encoder);
    return encoder.Finish();
}

}  // namespace vellumar::pack
