// LH5 streams we write, wrapped in an LHA entry, are read by an independent LHA
// tool (lhasa). Skipped when no such tool is installed.

#include "tests/tools/PackSupport.h"
#include "tools/pack/CompressLh5.h"

namespace vellumar {
namespace {

using namespace packtest;

std::uint16_t Crc16(std::string_view data) {
    unsigned crc = 0;
    for (unsigned char c : data) {
        crc ^= c;
        for (int k = 0; k < 8; ++k) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
    }
    return static_cast<std::uint16_t>(crc);
}

void PutLe(std::string& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(v >> (8 * i)));
}

// A level-0 LHA archive holding one -lh5- entry.
std::string LhaArchive(const std::string& name, std::string_view original, std::string_view packed) {
    std::string h = "-lh5-";
    PutLe(h, static_cast<std::uint32_t>(packed.size()), 4);
    PutLe(h, static_cast<std::uint32_t>(original.size()), 4);
    PutLe(h, 0x00210000, 4);  // DOS time stamp: 1 January 1980
    h.push_back(0x20);        // attribute: archive
    h.push_back(0);           // header level
    h.push_back(static_cast<char>(name.size()));
    h += name;
    PutLe(h, Crc16(original), 2);
    unsigned sum = 0;
    for (unsigned char c : h) sum += c;
    std::string out;
    out.push_back(static_cast<char>(h.size()));
    out.push_back(static_cast<char>(sum));
    out += h;
    out += packed;
    out.push_back('\0');  // end of archive
    return out;
}

std::string LhaTool() {
    for (const char* tool : {"lhasa", "lha"})
        if (RunCommand(std::string("command -v ") + tool + " >/dev/null 2>&1") == 0) return tool;
    return {};
}

TEST(Lh5WithLhasa, ToolTestsAndPrintsOurStreams) {
    const std::string tool = LhaTool();
    if (tool.empty()) GTEST_SKIP() << "no lhasa or lha on PATH";
    std::string repeated;
    for (int i = 0; i < 20000; ++i) repeated += "\xEA\xEE\xF2 \xEA\xEE\xF8\xEA\xE0 " + std::to_string(i % 97) + "\r\n";
    const std::vector<std::pair<std::string, std::string>> inputs = {
        {"one.txt", "a"},
        {"random.bin", RandomBytes(150000, 11)},
        {"lines.txt", repeated},
        {"real.txt", RealText()},
    };
    TempDir dir;
    for (const auto& [name, data] : inputs) {
        if (data.empty()) continue;
        SCOPED_TRACE(name);
        const std::string path = dir.File(name + ".lzh");
        WriteFile(path, LhaArchive(name, data, pack::CompressLh5(data)));
        std::string listing;
        EXPECT_EQ(RunCommand(tool + " t " + Quote(path) + " 2>&1", &listing), 0) << listing;
        std::string printed;
        EXPECT_EQ(RunCommand(tool + " pq " + Quote(path), &printed), 0);
        EXPECT_TRUE(printed == data) << "lhasa printed " << printed.size() << " bytes instead of " << data.size();
    }
}

}  // namespace
}  // namespace vellumar
