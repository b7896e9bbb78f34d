// The four encoders, checked by expanding their output with the program's reader.

#include "archive/FileStream.h"
#include "tests/tools/PackSupport.h"
#include "tools/pack/CompressLh5.h"
#include "tools/pack/CheapestParse.h"
#include "tools/pack/CompressRle.h"
#include "tools/pack/Huffman.h"
#include "tools/pack/MatchFinder.h"

#include <algorithm>
#include <cmath>

namespace vellumar {
namespace {

using namespace packtest;

struct NamedInput {
    std::string name;
    std::string data;
};

std::vector<NamedInput> Inputs() {
    std::vector<NamedInput> inputs = {
        {"empty", ""},
        {"one byte", "a"},
        {"two bytes", "ab"},
        {"three same", "aaa"},
        {"all byte values", [] {
             std::string s;
             for (int i = 0; i < 256; ++i) s.push_back(static_cast<char>(i));
             return s;
         }()},
        {"marker bytes", std::string(1000, '\x94') + "x\x94\x94y"},
        {"long run", std::string(100000, 'z')},
        {"repeated phrase", [] {
             std::string s;
             for (int i = 0; i < 5000; ++i) s += "abcabcabd ";
             return s;
         }()},
        // More than 65536 symbols: several LH5 blocks, and several rebuilds of the LZH tree.
        {"random bytes", RandomBytes(200000, 1)},
        {"random small alphabet", RandomBytes(300000, 2, 5)},
    };
    // Matches at every distance up to the LH5 window and beyond it.
    std::string far = RandomBytes(9000, 3);
    far += far.substr(0, 4000) + far.substr(5000, 3000) + far;
    inputs.push_back({"far repeats", far});
    return inputs;
}

class CodecRoundTrip : public ::testing::TestWithParam<MethodIndex> {};

TEST_P(CodecRoundTrip, ExpandsToTheInput) {
    TempDir dir;
    for (const NamedInput& input : Inputs()) {
        SCOPED_TRACE(input.name);
        EXPECT_EQ(RoundTrip(dir, GetParam(), input.data), input.data);
    }
}

TEST_P(CodecRoundTrip, ExpandsRealText) {
    const std::string text = RealText();
    if (text.empty()) GTEST_SKIP() << "the Russian word list is not installed";
    TempDir dir;
    EXPECT_EQ(RoundTrip(dir, GetParam(), text), text);
}

// Mixed inputs: copies of earlier pieces at every distance, runs (also of the RLE
// marker), and noise, with sizes around the LH5 encoder's 128 KiB segments.
std::string MixedInput(unsigned seed, std::size_t size) {
    std::mt19937 rng(seed);
    std::string s;
    while (s.size() < size) {
        const int kind = static_cast<int>(rng() % 4);
        const std::size_t piece = 1 + rng() % (kind == 1 ? 600 : 80);
        if (kind == 0 && s.size() > 3) {
            const std::size_t distance = 1 + rng() % std::min<std::size_t>(s.size(), 9000);
            for (std::size_t k = 0; k < piece; ++k) s.push_back(s[s.size() - distance]);
        } else if (kind == 1) {
            s.append(piece, rng() % 3 == 0 ? '\x94' : static_cast<char>(rng()));
        } else {
            for (std::size_t k = 0; k < piece; ++k) s.push_back(static_cast<char>(rng() % (kind == 2 ? 256 : 8)));
        }
    }
    s.resize(size);
    return s;
}

TEST_P(CodecRoundTrip, ExpandsMixedInputs) {
    TempDir dir;
    const std::size_t sizes[] = {5, 61, 4097, 8193, 65535, 131071, 131072, 131073, 262150};
    unsigned seed = 100;
    for (std::size_t size : sizes) {
        const std::string data = MixedInput(seed++, size);
        ASSERT_EQ(RoundTrip(dir, GetParam(), data), data) << "size " << size << " seed " << seed - 1;
    }
}

INSTANTIATE_TEST_SUITE_P(AllMethods, CodecRoundTrip, ::testing::Values(MethodNON, MethodRLE, MethodLZH, MethodLH5),
                         [](const auto& info) { return MethodName(info.param); });

TEST(CompressionRatio, RealTextShrinks) {
    const std::string text = RealText();
    if (text.empty()) GTEST_SKIP() << "the Russian word list is not installed";
    const std::size_t lh5 = pack::CompressWith(MethodLH5, text).size();
    const std::size_t lzh = pack::CompressWith(MethodLZH, text).size();
    // A sorted word list packs to well under a third.
    EXPECT_LT(lh5, text.size() / 3);
    EXPECT_LT(lzh, text.size() / 3);
    EXPECT_EQ(pack::CompressWith(MethodLH5, "").size(), 0u);
    EXPECT_EQ(pack::CompressWith(MethodLZH, "").size(), 0u);
}

// The run rules: runs from three bytes, a new literal after 255, the marker always
// escaped on its own.
TEST(CompressRle, FollowsTheRunRules) {
    auto bytes = [](std::initializer_list<int> v) {
        std::string s;
        for (int b : v) s.push_back(static_cast<char>(b));
        return s;
    };
    EXPECT_EQ(pack::CompressRle("AAAAA"), bytes({0x41, 0x94, 5}));
    EXPECT_EQ(pack::CompressRle("AAB"), "AAB");
    EXPECT_EQ(pack::CompressRle("\x94\x94\x94"), bytes({0x94, 0, 0x94, 0, 0x94, 0}));
    EXPECT_EQ(pack::CompressRle(std::string(300, 'A')), bytes({0x41, 0x94, 255, 0x41, 0x94, 45}));
    EXPECT_EQ(pack::CompressRle(std::string(257, 'A')), bytes({0x41, 0x94, 255, 0x41, 0x41}));
    EXPECT_EQ(pack::CompressRle(std::string(3, '\0')), bytes({0, 0x94, 3}));
}

// The LZH parse's price of a symbol: 16 times log2(total / count) rounded down,
// at least 1; an unseen symbol is priced at 16 times log2(4 (total + 1)).
TEST(EntropyPrice, SixteenthsOfTheIdealCodeLength) {
    for (std::uint32_t total = 1; total <= 700; ++total) {
        ASSERT_EQ(pack::EntropyPrice(0, total), static_cast<std::uint32_t>(16 * (std::log2(total + 1.0) + 2))) << total;
        for (std::uint32_t count = 1; count <= total; ++count)
            ASSERT_EQ(pack::EntropyPrice(count, total),
                      static_cast<std::uint32_t>(std::max(1.0, 16 * std::log2(static_cast<double>(total) / count))))
                << count << " of " << total;
    }
}

TEST(Huffman, LengthsAreLimitedAndComplete) {
    // Fibonacci frequencies make the unlimited code about 30 bits deep.
    std::vector<std::uint32_t> freq(40);
    freq[0] = freq[1] = 1;
    for (std::size_t i = 2; i < freq.size(); ++i) freq[i] = freq[i - 1] + freq[i - 2];
    freq.push_back(0);  // an unused symbol
    for (int limit : {16, 12}) {
        const std::vector<std::uint8_t> lengths = pack::CodeLengths(freq, limit);
        std::uint64_t kraft = 0;
        for (std::size_t i = 0; i + 1 < freq.size(); ++i) {
            ASSERT_GE(lengths[i], 1);
            ASSERT_LE(lengths[i], limit);
            kraft += std::uint64_t{1} << (limit - lengths[i]);
        }
        EXPECT_EQ(lengths.back(), 0);
        EXPECT_EQ(kraft, std::uint64_t{1} << limit);
        // More frequent symbols never get longer codes.
        for (std::size_t i = 1; i + 1 < freq.size(); ++i) EXPECT_LE(lengths[i], lengths[i - 1]);
    }
}

TEST(Huffman, FewerThanTwoSymbolsGiveNoLengths) {
    EXPECT_EQ(pack::CodeLengths({0, 7, 0}, 16), (std::vector<std::uint8_t>{0, 0, 0}));
    EXPECT_EQ(pack::CodeLengths({0, 0}, 16), (std::vector<std::uint8_t>{0, 0}));
    EXPECT_EQ(pack::CodeLengths({3, 5}, 16), (std::vector<std::uint8_t>{1, 1}));
}

TEST(Huffman, CanonicalCodesArePrefixFreeInSymbolOrder) {
    const std::vector<std::uint8_t> lengths = {3, 0, 2, 3, 2, 2};
    const std::vector<std::uint16_t> codes = pack::CanonicalCodes(lengths);
    EXPECT_EQ(codes[2], 0b00);
    EXPECT_EQ(codes[4], 0b01);
    EXPECT_EQ(codes[5], 0b10);
    EXPECT_EQ(codes[0], 0b110);
    EXPECT_EQ(codes[3], 0b111);
}

// A literal distribution whose Huffman code is deeper than 16 bits inside one
// block: the encoder must limit it and the reader must still accept the block.
TEST(CompressLh5, SkewedBlockNeedsLimitedLengths) {
    std::vector<std::uint32_t> counts = {1, 1};
    while (counts.size() < 24) counts.push_back(counts[counts.size() - 1] + counts[counts.size() - 2]);
    std::string data;
    for (std::size_t i = 0; i < counts.size(); ++i) data.append(counts[i], static_cast<char>('A' + i));
    std::shuffle(data.begin(), data.end(), std::mt19937(7));
    TempDir dir;
    EXPECT_EQ(RoundTrip(dir, MethodLH5, data), data);
}

TEST(MatchFinder, ListsEachLongerMatchNearestFirst) {
    // "abcde" at 0, "abcd" at 6, "abc" at 11, and "abcde" again at 15.
    const std::string data = "abcde1abcd2abc3abcde";
    auto find = [&](int window, int room) {
        pack::MatchLimits limits;
        limits.window = window;
        pack::MatchFinder finder(data, limits);
        finder.InsertUpTo(15);
        std::vector<pack::Match> out(room);
        out.resize(finder.FindAll(15, out.data(), room));
        std::vector<std::pair<int, int>> found;
        for (const pack::Match& m : out) found.emplace_back(m.length, m.distance);
        return found;
    };
    using Found = std::vector<std::pair<int, int>>;
    EXPECT_EQ(find(8192, 16), (Found{{3, 4}, {4, 9}, {5, 15}}));
    EXPECT_EQ(find(10, 16), (Found{{3, 4}, {4, 9}}));  // the window ends the search
    EXPECT_EQ(find(8192, 1), (Found{{5, 15}}));        // no room: the longest stays
}

// The archive of the reader's own example: method "RLE", one member "0.dic" with AAAAA.
TEST(ArchiveWriter, WritesTheKnownLayout) {
    pack::ArchiveWriter writer(MethodRLE);
    writer.AddMember("0.dic", "AAAAA");
    const unsigned char expected[] = {
        0x53, 0x50, 0x49, 0x53, 0x1A, 0x52, 0x4C, 0x45, 0x05, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00,
        0x00, 0x01, 0x45, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x30, 0x2E, 0x64, 0x69, 0x63, 0x41, 0x94, 0x05};
    EXPECT_EQ(writer.Bytes(), std::string(reinterpret_cast<const char*>(expected), sizeof expected));
}

TEST(ArchiveWriter, MembersAreFoundByNameWithTotalAndChecksums) {
    TempDir dir;
    for (MethodIndex method : {MethodNON, MethodRLE, MethodLZH, MethodLH5}) {
        SCOPED_TRACE(MethodName(method));
        pack::ArchiveWriter writer(method);
        writer.AddMember("0.dic", "title\r\n");
        writer.AddMember("2.dic", "");  // an empty member in the middle does not end the scan
        writer.AddMember("3.dic", "\xEA\xEE\xF2\r\n");
        writer.AddMember("5.dic", std::string(70000, '\xFF'));  // checksum beyond 16 bits
        EXPECT_EQ(writer.TotalSize(), 7 + 5 + 70000);
        const std::string path = dir.File("m.dic");
        writer.WriteFile(path);
        EXPECT_EQ(ExpandFromFile(path, "0.dic"), "title\r\n");
        EXPECT_EQ(ExpandFromFile(path, "3.DIC"), "\xEA\xEE\xF2\r\n");
        EXPECT_EQ(ExpandFromFile(path, "5.dic"), std::string(70000, '\xFF'));
        EXPECT_EQ(ExpandFromFile(path, "4.dic"), "");
        TArchive reader;
        const ArchiveListing listing = reader.ListMembers(path);
        EXPECT_EQ(listing.methodId, MethodName(method));
        ASSERT_EQ(listing.members.size(), 4u);
        for (const MemberInfo& m : listing.members) {
            EXPECT_EQ(m.method, method);
            EXPECT_EQ(m.lock, 0);
        }
        EXPECT_EQ(listing.members[3].checksum, 70000u * 0xFF);
    }
}

// A dictionary's title would grow under any method: it is stored, the rest packed.
TEST(ArchiveWriter, StoresWhatPackingWouldNotShrinkWhenAsked) {
    TempDir dir;
    pack::ArchiveWriter writer(MethodLH5);
    writer.AddMember("0.dic", "title\r\n", true);
    writer.AddMember("5.dic", std::string(70000, 'k'), true);
    writer.AddMember("6.dic", "x\r\n");
    const std::string path = dir.File("t.dic");
    writer.WriteFile(path);
    TArchive reader;
    const ArchiveListing listing = reader.ListMembers(path);
    EXPECT_EQ(listing.methodId, "LH5");
    ASSERT_EQ(listing.members.size(), 3u);
    EXPECT_EQ(listing.members[0].method, MethodNON);
    EXPECT_EQ(listing.members[1].method, MethodLH5);
    EXPECT_EQ(listing.members[2].method, MethodLH5);  // not asked: the archive's method
    EXPECT_EQ(ExpandFromFile(path, "0.dic"), "title\r\n");
    EXPECT_EQ(ExpandFromFile(path, "5.dic"), std::string(70000, 'k'));
}

TEST(ArchiveWriter, RefusesWhatTheFormatCannotHold) {
    EXPECT_THROW(pack::ArchiveWriter{MethodCUS}, Exception);
    pack::ArchiveWriter writer(MethodNON);
    EXPECT_THROW(writer.AddMember("", "x"), Exception);
    EXPECT_THROW(writer.AddMember(std::string(40000, 'n'), "x"), Exception);
    EXPECT_EQ(pack::ParseMethodName("Lh5"), MethodLH5);
    EXPECT_THROW(pack::ParseMethodName("cus"), Exception);
    EXPECT_THROW(pack::ParseMethodName("zip"), Exception);
}

// A reader in the middle of an archive that is packed anew reads the old one to its end.
TEST(ArchiveWriter, ReplacingAnArchiveLeavesAnOpenReaderItsBytes) {
    TempDir dir;
    const std::string path = dir.File("r.dic");
    pack::ArchiveWriter before(MethodLH5), after(MethodLH5);
    before.AddMember("5.dic", std::string(30000, 'a'));
    after.AddMember("5.dic", std::string(30000, 'b'));
    before.WriteFile(path);
    TFileStream reader(path);
    std::string head(10, '\0');
    ASSERT_EQ(reader.Read(head.data(), head.size()), head.size());
    after.WriteFile(path);
    std::string rest(before.Bytes().size(), '\0');
    rest.resize(reader.Read(rest.data(), rest.size()));
    EXPECT_EQ(head + rest, before.Bytes());
    EXPECT_EQ(ExpandFromFile(path, "5.dic"), std::string(30000, 'b'));
}

TEST(ArchiveWriter, FailedWriteLeavesNoFile) {
    pack::ArchiveWriter writer(MethodLH5);
    writer.AddMember("0.dic", "t\r\n");
    EXPECT_THROW(writer.WriteFile("/nonexistent-folder/x.dic"), Exception);
    EXPECT_FALSE(std::filesystem::exists("/nonexistent-folder/x.dic.part"));
}

}  // namespace
}  // namespace vellumar
