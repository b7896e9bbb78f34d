// LH5 expansion: the worked example, streams written by a real LHA coder, and
// hand-made block heads for the edge cases and for broken tables.

#include "tests/archive/ArchiveBuilder.h"
#include "tests/archive/TestCoders.h"

#include "archive/Errors.h"
#include "archive/Lh5Format.h"

#include <gtest/gtest.h>

#include <random>

namespace vellumar::test {
namespace {

using namespace lh5;

std::string Lh5(const std::string& stored, std::int32_t originalSize, const std::string& expected = "") {
    return Expand(OneMember(MethodLH5, stored, expected, originalSize), "5.dic");
}

// The start of a block head whose code-length and literal codes each have one
// symbol; the position code follows.
void SingleLiteralHead(BitWriter& w, std::uint16_t blockSize, int symbol) {
    w.Put(blockSize, 16);
    w.Put(0, TBit);
    w.Put(0, TBit);
    w.Put(0, CBit);
    w.Put(static_cast<std::uint32_t>(symbol), CBit);
}

// A block head whose three codes each have one symbol (no bits per use).
void SingleSymbolHead(BitWriter& w, std::uint16_t blockSize, int symbol, int position) {
    SingleLiteralHead(w, blockSize, symbol);
    w.Put(0, PBit);
    w.Put(static_cast<std::uint32_t>(position), PBit);
}

TEST(Lh5, WorkedExample) {
    const std::string stored = Bytes({0x00, 0x04, 0x28, 0x05, 0x30, 0xD1, 0x37, 0x92, 0x90, 0x21, 0xB0});
    const std::string abc6 = "abcabcabcabcabcabc";
    EXPECT_EQ(Lh5(stored, 18, abc6), abc6);
    EXPECT_EQ(Lh5("\xFF\xFF", 0), "");  // size 0 reads nothing
}

TEST(Lh5, StreamsWrittenByAnLhaCoder) {
    for (const char* name : {"words", "run", "noise"}) {
        const std::string input = DataFile(std::string(name) + ".in");
        const std::string stored = DataFile(std::string(name) + ".lh5");
        ASSERT_FALSE(input.empty()) << name;
        EXPECT_EQ(Lh5(stored, static_cast<std::int32_t>(input.size()), input), input) << name;
    }
}

TEST(Lh5, SingleSymbolCodesAndBlockSizeZero) {
    BitWriter w;
    SingleSymbolHead(w, 0, 'a', 0);  // 65536 symbols at no cost
    SingleSymbolHead(w, 2, 'b', 0);
    SingleSymbolHead(w, 1, 'c', 0);
    const std::string expected = std::string(65536, 'a') + "bbc";
    EXPECT_EQ(Lh5(w.Bytes(), static_cast<std::int32_t>(expected.size()), expected), expected);
}

TEST(Lh5, MatchAtStartYieldsSpacesAndFinalMatchIsWrittenWhole) {
    BitWriter w;
    SingleSymbolHead(w, 5, 256, 0);  // matches of 3 at distance 0
    EXPECT_EQ(Lh5(w.Bytes(), 6, "      "), "      ");
    EXPECT_EQ(Lh5(w.Bytes(), 4, "      "), "      ");
    BitWriter far;
    SingleSymbolHead(far, 1, 509, 13);  // length 256, distance 4096 + 12 bits
    far.Put(4095, 12);
    EXPECT_EQ(Lh5(far.Bytes(), 256, std::string(256, ' ')), std::string(256, ' '));
}

TEST(Lh5, BitsWantedPastTheStoredBytesAreZeroNotTheNextMember) {
    BitWriter w;
    SingleSymbolHead(w, 2, 'a', 0);
    SingleSymbolHead(w, 1, 256, 0);  // a match at distance 0, told by the last bits
    std::string stored = w.Bytes();
    while (!stored.empty() && stored.back() == '\0') stored.pop_back();  // the decoder still wants them
    ASSERT_LT(stored.size(), w.Bytes().size());
    TestMember lh5;
    lh5.name = "5.dic";
    lh5.method = MethodLH5;
    lh5.stored = stored;
    lh5.expanded = "aaaaa";
    TestMember next;
    next.name = "5.dic";
    next.stored = "\xFF\xFF\xFF";
    next.expanded = next.stored;
    EXPECT_EQ(Expand(ArchiveBuilder().Add(lh5).Add(next).Build(), "5.dic"), "aaaaa\xFF\xFF\xFF");
}

// The head of a block of `symbols` symbols: literals 'a' (code 0) and 'b' (10),
// matches of 3 (11), and position classes 0, 1, ... with the code lengths given.
void MixedHead(BitWriter& w, std::uint16_t symbols, const std::vector<int>& positionLengths) {
    w.Put(symbols, 16);
    w.Put(5, TBit);  // code-length code: symbols 2 (0), 3 (10), 4 (11)
    for (int len : {0, 0, 1}) w.Put(static_cast<std::uint32_t>(len), 3);
    w.Put(0, 2);
    for (int len : {2, 2}) w.Put(static_cast<std::uint32_t>(len), 3);
    w.Put(257, CBit);  // 'a' 1 bit, 'b' 2, symbol 256 2; 2 + 9 bits are 20 + n zeros
    w.Put(0, 1);
    w.Put(97 - 20, CBit);
    w.Put(2, 2);
    w.Put(3, 2);
    w.Put(0, 1);
    w.Put(256 - 99 - 20, CBit);
    w.Put(3, 2);
    w.Put(static_cast<std::uint32_t>(positionLengths.size()), PBit);
    for (int len : positionLengths) {
        // 3 bits up to 6; from 7 on, 7 as 111 and then one more 1 bit for each more, and a 0.
        if (len < 7)
            w.Put(static_cast<std::uint32_t>(len), 3);
        else
            w.Put((1u << (len - 3)) - 2, len - 3);
    }
}

// A block of `symbols` symbols, literals 'a' and 'b' and matches of 3 at
// distances of class 3 (code 0 and 2 extra bits) or class 13 (1 and 12 bits);
// sixteen from the middle on are literals. `text` is the expansion so far,
// after the ring's 8192 starting spaces; the block's bytes are added to it.
// Returns where the middle literals start in `text`.
std::size_t MixedBlock(BitWriter& w, std::uint16_t symbols, std::mt19937& rng, std::string& text) {
    MixedHead(w, symbols, {0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1});
    std::size_t middle = 0;
    for (int i = 0; i < symbols; ++i) {
        if (i == symbols / 2) middle = text.size();
        const unsigned pick = i >= symbols / 2 && i < symbols / 2 + 16 ? rng() % 7 : rng() % 10;
        if (pick < 4) {
            w.Put(0, 1);
            text += 'a';
        } else if (pick < 7) {
            w.Put(2, 2);
            text += 'b';
        } else {
            w.Put(3, 2);
            const bool far = pick == 9;
            const std::uint32_t extra = rng() % (far ? 4096 : 4);
            w.Put(far ? 1 : 0, 1);
            w.Put(extra, far ? 12 : 2);
            const std::size_t back = (far ? 4096 : 4) + extra + 1;
            for (int k = 0; k < 3; ++k) text += text[text.size() - back];
        }
    }
    return middle;
}

// Runs of quickly decoded symbols never go past the end of their block, of the
// member or of the output window's room; near and far positions both resolve.
TEST(Lh5, LongBlocksEndExactlyWhereTheyShould) {
    std::mt19937 rng(11);
    BitWriter w;
    std::string text(RingSize, ' ');
    std::size_t middle = 0;
    for (std::uint16_t symbols : {9001, 30001, 40001}) middle = MixedBlock(w, symbols, rng, text);
    text.erase(0, RingSize);
    middle -= RingSize;
    ASSERT_GT(text.size(), 65536u + 8192u);
    EXPECT_EQ(Lh5(w.Bytes(), static_cast<std::int32_t>(text.size()), text), text);
    for (std::size_t size = middle + 4; size < middle + 12; ++size) {
        const std::string expected = text.substr(0, size);
        EXPECT_EQ(Lh5(w.Bytes(), static_cast<std::int32_t>(size), expected), expected) << size;
    }
}

// Position codes longer than the look-up width (classes 8 and 9 here) walk its
// tree; each class resolves with its extra bits.
TEST(Lh5, EveryPositionClassResolvesShortOrLongCode) {
    const std::vector<int> lengths = {1, 2, 3, 4, 5, 6, 7, 8, 9, 9};
    std::string text(RingSize, ' ');
    BitWriter w;
    MixedHead(w, 600 + 2 * 10, lengths);
    for (int i = 0; i < 600; ++i) {
        const bool b = (i * 7) % 3 == 0;
        w.Put(b ? 2 : 0, b ? 2 : 1);
        text += b ? 'b' : 'a';
    }
    for (int p = 0; p < 10; ++p) {
        for (std::uint32_t extra : {0u, (1u << (p > 1 ? p - 1 : 0)) - 1}) {
            w.Put(3, 2);
            w.Put(p < 9 ? ((1u << p) - 1) << 1 : 0x1FF, p < 9 ? p + 1 : 9);  // canonical: p ones, then a 0
            if (p > 1) w.Put(extra, p - 1);
            const std::size_t back = (p > 1 ? (1u << (p - 1)) + extra : p) + 1;
            for (int k = 0; k < 3; ++k) text += text[text.size() - back];
        }
    }
    text.erase(0, RingSize);
    EXPECT_EQ(Lh5(w.Bytes(), static_cast<std::int32_t>(text.size()), text), text);
}

TEST(Lh5, AllZeroLengthsPass) {
    BitWriter w;
    w.Put(3, 16);
    w.Put(3, TBit);  // three code-length lengths, all 0, then no zero run
    w.Put(0, 3);
    w.Put(0, 3);
    w.Put(0, 3);
    w.Put(0, 2);
    w.Put(5, CBit);  // five literal lengths: symbol 0 of the empty code, "one zero" each
    w.Put(0, PBit);
    w.Put(0, PBit);
    EXPECT_EQ(Lh5(w.Bytes(), 3, std::string(3, '\0')), std::string(3, '\0'));
}

// The code-length code of a head given by its lengths (3-bit values below 7).
BitWriter HeadWithPtLengths(std::initializer_list<int> lengths, int zeroRun = 0) {
    BitWriter w;
    w.Put(1, 16);
    w.Put(static_cast<std::uint32_t>(lengths.size()), TBit);
    int i = 0;
    for (int len : lengths) {
        w.Put(static_cast<std::uint32_t>(len), 3);
        if (++i == TSpecial) w.Put(static_cast<std::uint32_t>(zeroRun), 2);
    }
    return w;
}

TEST(Lh5, BrokenTablesAreRefused) {
    std::vector<std::pair<std::string, std::string>> cases;
    cases.push_back({"incomplete", HeadWithPtLengths({1}).Bytes()});
    cases.push_back({"over-full", HeadWithPtLengths({1, 1, 1}).Bytes()});
    // Over-full by exactly the code space: passes a check made in 16 bits.
    cases.push_back({"over-full wrapping", HeadWithPtLengths({1, 1, 1, 1}).Bytes()});
    {
        BitWriter w;  // length 7 + 13 ones = 20
        w.Put(1, 16);
        w.Put(1, TBit);
        w.Put(7, 3);
        w.Put(0x1FFF, 13);
        cases.push_back({"length above 16", w.Bytes()});
    }
    {
        BitWriter w;
        w.Put(1, 16);
        w.Put(NT + 1, TBit);
        cases.push_back({"too many code-length lengths", w.Bytes()});
    }
    {
        BitWriter w;
        w.Put(1, 16);
        w.Put(0, TBit);
        w.Put(NT, TBit);
        cases.push_back({"single code-length symbol out of range", w.Bytes()});
    }
    {
        BitWriter w;
        w.Put(1, 16);
        w.Put(0, TBit);
        w.Put(0, TBit);
        w.Put(NC + 1, CBit);
        cases.push_back({"too many literal lengths", w.Bytes()});
    }
    {
        BitWriter w;  // every code-length symbol is 2: a run of 20 + 9 bits of zeros
        w.Put(1, 16);
        w.Put(0, TBit);
        w.Put(2, TBit);
        w.Put(NC, CBit);
        w.Put(511, CBit);
        cases.push_back({"zero run past the alphabet", w.Bytes()});
    }
    {
        BitWriter w;
        SingleLiteralHead(w, 1, NC);
        cases.push_back({"single literal out of range", w.Bytes()});
    }
    {
        BitWriter p;
        SingleLiteralHead(p, 1, 'a');
        p.Put(NP + 1, PBit);
        cases.push_back({"too many position lengths", p.Bytes()});
        BitWriter q;
        SingleSymbolHead(q, 1, 'a', NP);
        cases.push_back({"single position out of range", q.Bytes()});
    }
    for (const auto& [what, stored] : cases) {
        try {
            Lh5(stored, 10);
            ADD_FAILURE() << what << ": no error";
        } catch (const ELZHBadDecodeTable& e) {
            EXPECT_STREQ(e.what(), "Bad decode table in archive!");
        } catch (const std::exception& e) {
            ADD_FAILURE() << what << ": " << e.what();
        }
    }
}

// Damage anywhere in a real stream ends in one of the two errors (or, when it
// hits bits that carry nothing, in the right output); never in a crash.
TEST(Lh5, DamagedStreamsEndInAnError) {
    const std::string input = DataFile("words.in");
    const std::string stored = DataFile("words.lh5");
    const auto size = static_cast<std::int32_t>(input.size());
    int checksumErrors = 0, tableErrors = 0;
    auto check = [&](const std::string& damaged, const std::string& what) {
        try {
            EXPECT_EQ(Lh5(damaged, size, input), input) << what;
        } catch (const EBadChecksum&) {
            ++checksumErrors;
        } catch (const ELZHBadDecodeTable&) {
            ++tableErrors;
        }
    };
    for (std::size_t pos = 0; pos < stored.size(); pos += 997) {
        std::string flipped = stored;
        flipped[pos] = static_cast<char>(flipped[pos] ^ (1 << (pos % 8)));
        check(flipped, "flip at " + std::to_string(pos));
        check(stored.substr(0, pos), "cut at " + std::to_string(pos));
    }
    EXPECT_GT(checksumErrors, 50);
    EXPECT_GT(tableErrors, 0);
}

}  // namespace
}  // namespace vellumar::test
