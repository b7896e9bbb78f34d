// RLE and LZH expansion, and the adaptive tree both coders share.

#include "tests/archive/ArchiveBuilder.h"
#include "tests/archive/TestCoders.h"

#include "archive/Errors.h"

#include <gtest/gtest.h>

namespace vellumar::test {
namespace {

std::string Rle(const std::string& stored) {
    // RLE ignores the original size; the checksum is taken from the real output below.
    TestMember m;
    m.name = "r";
    m.method = MethodRLE;
    m.stored = stored;
    m.originalSize = 1 << 20;  // only bounds the scan here
    m.checksum = 0;
    TempFile file(ArchiveBuilder("RLE").Add(m).Build());
    TMemoryStream out;
    try {
        TArchive().ExpandMember(file.Path(), out, "r");
    } catch (const EBadChecksum&) {
        // expected unless the output sums to 0; the bytes written so far are what we test
    }
    return out.Data();
}

TEST(Rle, CodesOfTheFormat) {
    EXPECT_EQ(Rle(Bytes({0x41, 0x94, 0x05})), "AAAAA");
    EXPECT_EQ(Rle(Bytes({0x94, 0x00, 0x94, 0x00})), Bytes({0x94, 0x94}));
    EXPECT_EQ(Rle(Bytes({0x94, 0x03})), std::string(2, '\0'));  // remembered byte starts at 0
    EXPECT_EQ(Rle(Bytes({'z', 0x94})), Bytes({'z', 0x94}));      // lone final marker
    EXPECT_EQ(Rle(""), "");
    EXPECT_EQ(Rle(Bytes({'a', 0x94, 0x01, 'b'})), "ab");
    // After an escape the remembered byte is the marker itself.
    EXPECT_EQ(Rle(Bytes({0x94, 0x00, 0x94, 0x03})), Bytes({0x94, 0x94, 0x94}));
    // Runs across the 8192-byte blocks of both frame sides.
    std::string stored, expected;
    for (int i = 0; i < 3000; ++i) {
        const char c = static_cast<char>('a' + i % 26);
        stored += std::string(1, c) + Bytes({0x94, 0xFF});
        expected += std::string(255, c);
    }
    EXPECT_EQ(Rle(stored), expected);
    EXPECT_EQ(Expand(OneMember(MethodRLE, stored, expected), "5.dic"), expected);
}

const std::string kAbc6 = "abcabcabcabcabcabc";

TEST(Lzh, WorkedExample) {
    const std::string stored = Bytes({0xF6, 0xFB, 0xBD, 0xF3, 0x00, 0x20});
    EXPECT_EQ(Expand(OneMember(MethodLZH, stored, kAbc6), "5.dic"), kAbc6);
    // The test coder produces the same stream: same tree, same position code.
    EXPECT_EQ(EncodeLzh({{'a'}, {'b'}, {'c'}, {0, 15, 3}}), stored);
    // Truncated: missing bytes read as zero, the checksum catches it.
    EXPECT_THROW(Expand(OneMember(MethodLZH, stored.substr(0, 3), kAbc6), "5.dic"), EBadChecksum);
}

TEST(Lzh, ZeroSizeReadsNothing) {
    TestMember m;
    m.name = "5.dic";
    m.method = MethodLZH;
    m.stored = "\xFF\xFF\xFF";
    m.originalSize = 0;
    EXPECT_EQ(Expand(ArchiveBuilder("LZH").Add(m).Build(), "5.dic"), "");
}

TEST(Lzh, RingStartsWithSpacesAndFinalMatchIsWrittenWhole) {
    EXPECT_EQ(Expand(OneMember(MethodLZH, EncodeLzh({{0, 5, 1}, {'x'}}), "     x"), "5.dic"), "     x");
    // Asked for 4 bytes, the final match of 10 is written whole and summed whole.
    const std::string stored = EncodeLzh({{'a'}, {'b'}, {0, 10, 2}});
    const std::string out = std::string("ab") + "ababababab";
    EXPECT_EQ(Expand(OneMember(MethodLZH, stored, out, 4), "5.dic"), out);
}

TEST(Lzh, LongTextAcrossTreeRebuildsAndRingWraps) {
    const std::string text = DataFile("words.in") + DataFile("words.in");
    const std::vector<LzToken> tokens = GreedyTokens(text, lzh::RingSize, lzh::MaxMatch);
    ASSERT_GT(tokens.size(), 2u * LzhTree::RebuildFrequency);  // several rebuilds
    const std::string stored = EncodeLzh(tokens);
    EXPECT_EQ(Expand(OneMember(MethodLZH, stored, text), "5.dic"), text);
    // A flipped bit in the middle: wrong output, reported by the checksum.
    std::string damaged = stored;
    damaged[damaged.size() / 2] ^= 0x10;
    EXPECT_THROW(Expand(OneMember(MethodLZH, damaged, text), "5.dic"), EBadChecksum);
    EXPECT_THROW(Expand(OneMember(MethodLZH, stored.substr(0, stored.size() - 40), text), "5.dic"),
                 EBadChecksum);
}

// The model the coders rely on: frequencies ordered, each internal node the sum
// of its two children, parents and leaves consistent; also across rebuilds.
void CheckTree(const LzhTree& tree) {
    for (int n = 0; n + 1 < LzhTree::NumNodes; ++n) ASSERT_LE(tree.Frequency(n), tree.Frequency(n + 1)) << n;
    std::vector<int> seen(LzhTree::NumSymbols, 0);
    for (int n = 0; n < LzhTree::NumNodes; ++n) {
        const int c = tree.Child(n);
        if (c >= LzhTree::NumNodes) {
            ++seen[c - LzhTree::NumNodes];
            ASSERT_EQ(tree.LeafOf(c - LzhTree::NumNodes), n);
        } else {
            ASSERT_EQ(tree.Frequency(n), tree.Frequency(c) + tree.Frequency(c + 1)) << n;
            ASSERT_EQ(tree.Parent(c), n);
            ASSERT_EQ(tree.Parent(c + 1), n);
            ASSERT_FALSE(tree.IsSecondChild(c));
            ASSERT_TRUE(tree.IsSecondChild(c + 1));
        }
    }
    for (int s = 0; s < LzhTree::NumSymbols; ++s) ASSERT_EQ(seen[s], 1) << s;
}

TEST(LzhTree, ModelStaysConsistentThroughRebuilds) {
    LzhTree tree;
    tree.Start();
    CheckTree(tree);
    EXPECT_EQ(tree.Frequency(LzhTree::Root), 314u);
    unsigned state = 12345;
    bool rebuilt = false;
    for (int i = 0; i < 70000; ++i) {
        state = state * 1103515245u + 12345u;
        const int s = static_cast<int>((state >> 16) % 40) * ((state >> 8) % 3 == 0 ? 7 : 1);
        const unsigned before = tree.Frequency(LzhTree::Root);
        tree.Update(s);
        if (tree.Frequency(LzhTree::Root) < before) {
            rebuilt = true;
            CheckTree(tree);
        }
        ASSERT_LE(tree.Frequency(LzhTree::Root), LzhTree::RebuildFrequency);
        if (i % 5000 == 0) CheckTree(tree);
    }
    EXPECT_TRUE(rebuilt);
    CheckTree(tree);
}

TEST(LzhTree, PositionCodeTables) {
    // Part starts as the fixed code gives them.
    EXPECT_EQ(PositionCode[0], 0x00);
    EXPECT_EQ(PositionCode[1], 0x20);
    EXPECT_EQ(PositionCode[3], 0x40);
    EXPECT_EQ(PositionCode[4], 0x50);
    EXPECT_EQ(PositionCode[12], 0x90);
    EXPECT_EQ(PositionCode[24], 0xC0);
    EXPECT_EQ(PositionCode[48], 0xF0);
    EXPECT_EQ(PositionCode[63], 0xFF);
    for (int b = 0; b < 256; ++b) {
        const int u = PositionUpperOfByte[b];
        ASSERT_EQ(PositionLengthOfByte[b], PositionCodeLength[u]);
        ASSERT_EQ(b >> (8 - PositionCodeLength[u]), PositionCode[u] >> (8 - PositionCodeLength[u])) << b;
    }
}

}  // namespace
}  // namespace vellumar::test
