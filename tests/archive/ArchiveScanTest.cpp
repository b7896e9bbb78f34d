// The member scan, the header checks and the frame around the decoders.

#include "tests/archive/ArchiveBuilder.h"
#include "tests/archive/TestCoders.h"

#include "archive/Lh5Format.h"

#include "archive/Errors.h"
#include "archive/FileStream.h"

#include <gtest/gtest.h>

namespace vellumar::test {
namespace {

using namespace lh5;

TestMember Stored(const std::string& name, const std::string& data) {
    TestMember m;
    m.name = name;
    m.stored = data;
    m.expanded = data;
    return m;
}

TEST(ArchiveScan, WorkedExampleOf54Bytes) {
    const std::string archive =
        Bytes({0x53, 0x50, 0x49, 0x53, 0x1A, 0x52, 0x4C, 0x45, 0x05, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,
               0x00, 0x00, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00,
               0x00, 0x03, 0x00, 0x00, 0x00, 0x01, 0x45, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x30, 0x2E,
               0x64, 0x69, 0x63, 0x41, 0x94, 0x05});
    ASSERT_EQ(archive.size(), 54u);
    EXPECT_EQ(Expand(archive, "0.dic"), "AAAAA");
    EXPECT_EQ(Expand(archive, "0.DIC"), "AAAAA");
    EXPECT_EQ(Expand(archive, "5.dic"), "");
    // The builder lays out the very same bytes.
    TestMember m;
    m.name = "0.dic";
    m.method = MethodRLE;
    m.stored = Bytes({0x41, 0x94, 0x05});
    m.expanded = "AAAAA";
    EXPECT_EQ(ArchiveBuilder("RLE").Add(m).Build(), archive);
    EXPECT_EQ(ByteSum("abc"), 294u);
}

TEST(ArchiveScan, ShortFileIsEmptyArchiveAndHeaderChecksComeInOrder) {
    EXPECT_EQ(Expand("SPIS\x1ALH5", "0.dic"), "");
    EXPECT_EQ(Expand("", "0.dic"), "");
    // A plain-text dictionary: its title, then lines.
    EXPECT_THROW(Expand("\xCC\xEE\xE9 \xF1\xEB\xEE\xE2\xE0\xF0\xFC\r\n\xEA\xEE\xF2 \xE7\xE2\xE5\xF0\xFC\r\n", "0.dic"),
                 EInvalidHeader);
    // Wrong type and wrong method together: the type is reported.
    EXPECT_THROW(Expand(ArchiveBuilder("XYZ").Type(0).Build(), "0.dic"), EInvalidHeaderArchiveType);
    EXPECT_THROW(Expand(ArchiveBuilder("lh5").Add(Stored("0.dic", "x")).Build(), "0.dic"),
                 EUnrecognizedCompressionMethod);
    try {
        Expand(ArchiveBuilder("lh5").Build(), "0.dic");
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Unrecognized compression method: \"lh5\" in header");
        EXPECT_STREQ(e.ClassName(), "EUnrecognizedCompressionMethod");
    }
}

TEST(ArchiveScan, RecognizeHandlerAcceptsCustomIdentifier) {
    TempFile file(ArchiveBuilder("ZZZ").Add(Stored("0.dic", "title")).Build());
    TArchive archive;
    std::string asked;
    archive.OnRecognize = [&](const std::string& id, bool& recognized) {
        asked = id;
        EXPECT_FALSE(recognized);
        recognized = true;
    };
    TMemoryStream out;
    archive.ExpandMember(file.Path(), out, "0.dic");
    EXPECT_EQ(asked, "ZZZ");
    EXPECT_EQ(out.Data(), "title");
}

TEST(ArchiveScan, NamesFoldOnlyAsciiLetters) {
    const std::string archive = ArchiveBuilder()
                                    .Add(Stored("0.DIC", "title"))
                                    .Add(Stored("\xC0.dic", "upper-cyr"))  // А
                                    .Build();
    EXPECT_EQ(Expand(archive, "0.dic"), "title");
    EXPECT_EQ(Expand(archive, "\xC0.DIC"), "upper-cyr");
    EXPECT_EQ(Expand(archive, "\xE0.dic"), "");  // а: no folding outside ASCII
    EXPECT_EQ(Expand(archive, "0.dic "), "");
}

TEST(ArchiveScan, EveryMemberOfTheNameIsAppendedInOrder) {
    TestMember rle;
    rle.name = "5.dic";
    rle.method = MethodRLE;
    rle.stored = Bytes({'b', 0x94, 0x03});
    rle.expanded = "bbb";
    const std::string archive =
        ArchiveBuilder().Add(Stored("5.dic", "aa")).Add(Stored("6.dic", "zz")).Add(rle).Build();
    EXPECT_EQ(Expand(archive, "5.dic"), "aabbb");

    // Written at the target's position, after what is already there.
    TempFile file(archive);
    TMemoryStream out;
    out.Write("12345", 5);
    out.Seek(2, SeekOrigin::Begin);
    TArchive().ExpandMember(file.Path(), out, "5.dic");
    EXPECT_EQ(out.Data(), "12aabbb");
}

TEST(ArchiveScan, TotalSizeBoundsTheScan) {
    // Tested after a header and name are read: a member whose running sum already
    // reaches TotalSize is not expanded.
    const auto build = [](std::int32_t total) {
        return ArchiveBuilder().TotalSize(total).Add(Stored("a", "12")).Add(Stored("b", "345")).Build();
    };
    EXPECT_EQ(Expand(build(0), "a"), "");
    EXPECT_EQ(Expand(build(2), "a"), "12");
    EXPECT_EQ(Expand(build(2), "b"), "");
    EXPECT_EQ(Expand(build(3), "b"), "345");
    EXPECT_EQ(Expand(build(-1), "a"), "");
}

TEST(ArchiveScan, CutOffMemberListEndsQuietly) {
    const std::string whole = ArchiveBuilder().Add(Stored("x", "one")).Add(Stored("x", "two")).Build();
    // Cut before, inside the second header, and inside its name.
    for (std::size_t cut : {50u, 60u, 75u})
        EXPECT_EQ(Expand(whole.substr(0, cut), "x"), "one") << cut;
    // A NON member whose stored bytes end early is a read error.
    EXPECT_THROW(Expand(whole.substr(0, 21 + 25 + 1 + 2), "x"), EReadError);
}

TEST(ArchiveScan, NegativeSizesEndTheScanQuietly) {
    for (int field : {0, 8, 12}) {
        std::string archive = ArchiveBuilder().Add(Stored("x", "one")).Add(Stored("x", "two")).Build();
        const std::size_t second = 21 + 25 + 1 + 3;
        archive[second + field + (field == 0 ? 1 : 3)] = '\x80';  // sign bit
        EXPECT_EQ(Expand(archive, "x"), "one") << field;
    }
}

TEST(ArchiveScan, KeyTestBeforeAndChecksumTestAfter) {
    TestMember lzh;
    lzh.name = "5.dic";
    lzh.method = MethodLZH;
    lzh.stored = Bytes({0xF6, 0xFB, 0xBD, 0xF3, 0x00, 0x20});
    lzh.expanded = "abcabcabcabcabcabc";
    lzh.lock = 1;
    TempFile file(ArchiveBuilder().Add(Stored("5.dic", "first")).Add(lzh).Build());
    TMemoryStream out;
    EXPECT_THROW(TArchive().ExpandMember(file.Path(), out, "5.dic"), EInvalidKey);
    EXPECT_EQ(out.Data(), "first");  // nothing of the keyed member

    TestMember keyedStored = Stored("5.dic", "plain");
    keyedStored.lock = 7;
    EXPECT_EQ(Expand(ArchiveBuilder().Add(keyedStored).Build(), "5.dic"), "plain");

    lzh.lock = 0;
    lzh.checksum = 1;
    EXPECT_THROW(Expand(ArchiveBuilder().Add(lzh).Build(), "5.dic"), EBadChecksum);
    // A NON member carries no checksum test.
    TestMember stored = Stored("5.dic", "abc");
    stored.checksum = 99;
    EXPECT_EQ(Expand(ArchiveBuilder().Add(stored).Build(), "5.dic"), "abc");
}

TEST(ArchiveScan, UnknownAndCustomMethodsYieldNothingAndSkipTheirBytes) {
    for (std::uint8_t method : {3, 5, 200}) {
        TestMember odd;
        odd.name = "5.dic";
        odd.method = method;
        odd.stored = std::string(40, '\x55');  // must not be taken for a header
        odd.originalSize = 40;
        odd.checksum = 0;
        const std::string archive = ArchiveBuilder().Add(odd).Add(Stored("5.dic", "after")).Build();
        EXPECT_EQ(Expand(archive, "5.dic"), "after") << int(method);
        odd.checksum = 12;
        EXPECT_THROW(Expand(ArchiveBuilder().Add(odd).Build(), "5.dic"), EBadChecksum) << int(method);
    }
}

TEST(ArchiveScan, CustomMethodGoesToTheExpandHandler) {
    TestMember cus;
    cus.name = "5.dic";
    cus.method = MethodCUS;
    cus.stored = "cba";
    cus.expanded = "abc";
    TempFile file(ArchiveBuilder("CUS").Add(cus).Add(Stored("5.dic", "!")).Build());
    TArchive archive;
    archive.OnExpand = [](TStream& dest, TStream& source, std::int32_t sourceSize, std::int32_t destSize,
                          const std::string& id, std::int32_t& checksum) {
        EXPECT_EQ(sourceSize, 3);
        EXPECT_EQ(destSize, 3);
        EXPECT_EQ(id, "CUS");
        std::string data(2, '\0');  // reads only part of the stored bytes
        source.ReadBuffer(data.data(), 2);
        const std::string out = "a" + std::string(data.rbegin(), data.rend());
        dest.Write(out.data(), out.size());
        checksum = static_cast<std::int32_t>(ByteSum(out));
    };
    TMemoryStream out;
    archive.ExpandMember(file.Path(), out, "5.dic");
    EXPECT_EQ(out.Data(), "abc!");
}

TEST(ArchiveScan, DecoderLeavingStoredBytesDoesNotShiftTheScan) {
    // An LZH member with trailing bytes the decoder never needs.
    TestMember lzh;
    lzh.name = "5.dic";
    lzh.method = MethodLZH;
    lzh.stored = Bytes({0xF6, 0xFB, 0xBD, 0xF3, 0x00, 0x20}) + std::string(30, '\x19');
    lzh.expanded = "abcabcabcabcabcabc";
    const std::string archive = ArchiveBuilder().Add(lzh).Add(Stored("5.dic", "+")).Build();
    EXPECT_EQ(Expand(archive, "5.dic"), lzh.expanded + "+");
}

TEST(ArchiveScan, ClaimsBeyondTheLimitAreRefused) {
    TestMember big;
    big.name = "5.dic";
    big.method = MethodLH5;
    // Blocks whose single literal costs no bits: tiny data, endless output.
    BitWriter w;
    for (int field : {0, TBit, TBit, CBit}) w.Put(0, field == 0 ? 16 : field);
    w.Put('a', CBit);
    w.Put(0, 2 * PBit);
    big.stored = w.Bytes();
    big.originalSize = 5000;
    big.expanded = std::string(5000, 'a');
    const std::string archive = ArchiveBuilder().Add(big).Add(big).Build();
    TempFile file(archive);
    TArchive archive1;
    archive1.MaxExpandedSize = 9000;  // one member fits, both together do not
    TMemoryStream out;
    EXPECT_THROW(archive1.ExpandMember(file.Path(), out, "5.dic"), EMemberTooLarge);
    EXPECT_EQ(Expand(archive, "5.dic"), std::string(10000, 'a'));

    big.originalSize = static_cast<std::int32_t>(DefaultMaxExpandedSize + 1);
    EXPECT_THROW(Expand(ArchiveBuilder().Add(big).Build(), "5.dic"), EMemberTooLarge);
    // RLE names no size: its output is bounded while it runs.
    TestMember rle;
    rle.name = "r";
    rle.method = MethodRLE;
    rle.originalSize = 1;
    for (int i = 0; i < 100; ++i) rle.stored += Bytes({'x', 0x94, 0xFF});
    TArchive small;
    small.MaxExpandedSize = 20000;
    TempFile rleFile(ArchiveBuilder().Add(rle).Build());
    EXPECT_THROW(small.ExpandMember(rleFile.Path(), out, "r"), EMemberTooLarge);
}

TEST(ArchiveScan, ProgressIsReportedPerBlockAndCanAbort) {
    TestMember rle;
    rle.name = "r";
    rle.method = MethodRLE;
    rle.stored = std::string(20000, 'q');
    rle.expanded = rle.stored;
    TempFile file(ArchiveBuilder().Add(rle).Build());
    TArchive archive;
    std::vector<int> seen;
    archive.OnShowProgress = [&](std::int32_t& percent) { seen.push_back(percent); };
    TMemoryStream out;
    archive.ExpandMember(file.Path(), out, "r");
    EXPECT_EQ(seen, (std::vector<int>{40, 81, 100}));  // 8192, 16384, 20000 of 20000
    EXPECT_EQ(out.Data(), rle.stored);

    archive.OnShowProgress = [](std::int32_t& percent) {
        if (percent > 50) percent = -1;
    };
    TMemoryStream cut;
    EXPECT_THROW(archive.ExpandMember(file.Path(), cut, "r"), EBadChecksum);
    EXPECT_EQ(cut.Data(), std::string(8192, 'q'));  // the first full block only
}

TEST(ArchiveListing, ListsEveryHeaderInFileOrder) {
    TestMember rle;
    rle.name = "0.dic";
    rle.method = MethodRLE;
    rle.stored = Bytes({0x41, 0x94, 0x05});
    rle.expanded = "AAAAA";
    rle.lock = 2;
    TempFile file(ArchiveBuilder("RLE").Add(rle).Add(Stored("12.dic", "xyz")).Tail("cut").Build());
    const ArchiveListing listing = TArchive().ListMembers(file.Path());
    EXPECT_EQ(listing.methodId, "RLE");
    EXPECT_EQ(listing.totalSize, 8);
    ASSERT_EQ(listing.members.size(), 2u);
    EXPECT_EQ(listing.members[0].name, "0.dic");
    EXPECT_EQ(listing.members[0].method, MethodRLE);
    EXPECT_EQ(listing.members[0].checksum, 325u);
    EXPECT_EQ(listing.members[0].lock, 2);
    EXPECT_EQ(listing.members[1].name, "12.dic");
    EXPECT_EQ(listing.members[1].compressedSize, 3);
    EXPECT_EQ(listing.members[1].dataOffset, 21 + 25 + 5 + 3 + 25 + 6);
}

TEST(MemoryStream, WritesAtPositionAndReadsLines) {
    TMemoryStream s;
    s.Write("ab\r\ncd", 6);
    s.Seek(4, SeekOrigin::Begin);
    s.Write("XYZ", 3);
    EXPECT_EQ(s.Data(), "ab\r\nXYZ");
    s.Rewind();
    EXPECT_EQ(s.ReadLines(), (std::vector<std::string>{"ab", "XYZ"}));
    char buf[4] = {};
    EXPECT_EQ(s.Read(buf, 3), 3u);
    EXPECT_EQ(std::string(buf, 3), "ab\r");
    EXPECT_EQ(s.ReadLines(), (std::vector<std::string>{"", "XYZ"}));
    s.Seek(10, SeekOrigin::Begin);
    s.Write("!", 1);
    EXPECT_EQ(s.Data(), std::string("ab\r\nXYZ\0\0\0!", 11));
    EXPECT_THROW(s.Seek(-1, SeekOrigin::Begin), EStreamError);
}

TEST(FileStream, ShortAndLongReadsFollowTheSeeks) {
    std::string content;
    for (int i = 0; i < 1000; ++i) content.push_back(static_cast<char>(i * 7 + i / 256));
    TempFile file(content);
    TFileStream s(file.Path());
    const auto read = [&s](std::size_t n) {
        std::string out(n, '\0');
        out.resize(s.Read(out.data(), n));
        return out;
    };
    EXPECT_EQ(read(25), content.substr(0, 25));
    EXPECT_EQ(read(5), content.substr(25, 5));
    EXPECT_EQ(s.Seek(700, SeekOrigin::Begin), 700);
    EXPECT_EQ(read(290), content.substr(700, 290));
    s.Seek(-300, SeekOrigin::Current);
    EXPECT_EQ(read(30), content.substr(690, 30));  // behind and beyond what was read ahead
    s.Seek(10, SeekOrigin::Begin);
    EXPECT_EQ(read(40), content.substr(10, 40));
    EXPECT_EQ(s.Seek(-3, SeekOrigin::End), 997);
    EXPECT_EQ(read(10), content.substr(997));
    EXPECT_EQ(read(10), "");
    s.Seek(5000, SeekOrigin::Begin);
    EXPECT_EQ(read(600), "");
    EXPECT_THROW(s.Seek(-1001, SeekOrigin::End), EStreamError);
    EXPECT_THROW(s.Seek(-1, SeekOrigin::Begin), EStreamError);
}

}  // namespace
}  // namespace vellumar::test
