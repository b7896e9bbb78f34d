// Corner cases of the frame around the decoders that the scan tests leave out.

#include "tests/archive/ArchiveBuilder.h"
#include "tests/archive/TestCoders.h"

#include "archive/Errors.h"

#include <gtest/gtest.h>

#include <random>

namespace vellumar::test {
namespace {

// Expands the member "z" and returns what reached the target, also when the
// checksum test fails (as it must for a cut or aborted member).
std::string ExpandDespiteChecksum(TArchive& archive, const std::string& archiveBytes) {
    TempFile file(archiveBytes);
    TMemoryStream out;
    try {
        archive.ExpandMember(file.Path(), out, "z");
    } catch (const EBadChecksum&) {
    }
    return out.Data();
}

// A progress handler that aborts makes the decoder see the end of its data:
// the bit readers get zero bytes from then on, never the block that was read
// just before the abort.
TEST(DecoderFrame, AbortFromProgressHandlerEndsTheStoredBytesForBitReaders) {
    std::mt19937 rng(11);
    std::string text(24000, '\0');
    for (char& c : text) c = static_cast<char>(rng());
    std::vector<LzToken> literals;
    for (char c : text) literals.push_back({static_cast<unsigned char>(c)});
    const std::string stored = EncodeLzh(literals);
    ASSERT_GT(stored.size(), 2 * 8192u);

    TestMember member;
    member.name = "z";
    member.method = MethodLZH;
    member.stored = stored;
    member.originalSize = static_cast<std::int32_t>(text.size());
    member.checksum = 0;  // never the sum of random bytes: the failure lets us read the output

    TArchive aborting;
    int calls = 0;
    aborting.OnShowProgress = [&calls](std::int32_t& percent) {
        if (++calls == 2) percent = -1;  // the second block is read, then dropped
    };
    const std::string aborted = ExpandDespiteChecksum(aborting, ArchiveBuilder("LZH").Add(member).Build());

    // The same member with only its first block stored: the rest reads as zeros.
    TestMember cut = member;
    cut.stored = stored.substr(0, 8192);
    TArchive plain;
    const std::string expected = ExpandDespiteChecksum(plain, ArchiveBuilder("LZH").Add(cut).Build());

    ASSERT_EQ(expected.size(), text.size());
    EXPECT_EQ(aborted.substr(0, 1000), text.substr(0, 1000));
    EXPECT_TRUE(aborted == expected) << "output differs after the abort";
}

}  // namespace
}  // namespace vellumar::test
