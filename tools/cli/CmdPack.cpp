// vellumar-cli pack: a plain-text word list into a dictionary archive.

#include <cstdio>
#include <string>

#include "app/FileIO.h"
#include "engine/Cp1251Literal.h"
#include "engine/Exception.h"
#include "engine/TextLines.h"
#include "tools/cli/ArchiveArguments.h"
#include "tools/cli/Command.h"
#include "tools/cli/Output.h"
#include "tools/cli/Encoding.h"
#include "tools/pack/ArchiveWriter.h"
#include "tools/pack/DictionaryPacker.h"

namespace vellumar::cli {

namespace {

constexpr const char* kName = "pack";
constexpr std::size_t kMaxReportedLines = 20;

struct PackOptions {
    MethodIndex method = MethodLH5;
    bool utf8 = false;
    std::string title;
    std::string output;
    std::string input;
};

// The character at `offset` of a line that iconv refused, for the report.
std::string DescribeBadCharacter(const std::string& line, std::size_t offset) {
    const auto lead = static_cast<unsigned char>(line[offset]);
    const int extra = lead >= 0xC2 && lead < 0xE0 ? 1 : lead >= 0xE0 && lead < 0xF0 ? 2 : lead >= 0xF0 && lead < 0xF5 ? 3 : -1;
    if (extra < 0 || offset + static_cast<std::size_t>(extra) >= line.size()) return "bytes that are not valid UTF-8";
    std::uint32_t code = lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        const auto next = static_cast<unsigned char>(line[offset + k]);
        if ((next & 0xC0) != 0x80) return "bytes that are not valid UTF-8";
        code = (code << 6) | (next & 0x3F);
    }
    char hex[16];
    std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(code));
    return std::string("the character ") + hex + " \"" + line.substr(offset, extra + 1) + "\", which cp1251 cannot hold";
}

// The input's lines as cp1251; false (after reporting every bad line) when a
// UTF-8 line holds something cp1251 cannot.
bool InputLines(const PackOptions& options, const std::string& text, std::vector<std::string>& lines) {
    if (!options.utf8) {
        lines = SplitTextLines(text);
        return true;
    }
    std::string_view body = text;
    if (body.starts_with(Utf8ByteOrderMark)) body.remove_prefix(Utf8ByteOrderMark.size());
    lines = SplitTextLines(body);
    std::size_t bad = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::size_t offset = 0;
        if (auto converted = Utf8ToCp1251(lines[i], &offset)) {
            lines[i] = std::move(*converted);
            continue;
        }
        if (++bad <= kMaxReportedLines)
            WriteErr("vellumar-cli: " + options.input + ':' + std::to_string(i + 1) + ": " +
                     DescribeBadCharacter(lines[i], offset) + '\n');
    }
    if (bad == 0) return true;
    if (bad > kMaxReportedLines)
        WriteErr("vellumar-cli: ... and " + std::to_string(bad - kMaxReportedLines) + " more such lines\n");
    WriteErr("vellumar-cli: " + std::to_string(bad) + (bad == 1 ? " line" : " lines") +
             " cannot be converted to cp1251; nothing written\n");
    return false;
}

void PrintSummary(const PackOptions& options, const pack::PackSummary& s, int members) {
    using std::to_string;
    WriteErr("packed " + to_string(s.packed) + " lines into " + options.output + " (" +
             MethodName(options.method) + ", " + to_string(members) + " members)\n" +
             "skipped " + to_string(s.Skipped()) + " lines: " + to_string(s.noWord) + " without a word, " +
             to_string(s.tooShort) + " shorter than " + to_string(pack::MinWordLength) + " letters, " +
             to_string(s.tooLong) + " longer than " + to_string(pack::MaxWordLength) + " letters\n" +
             "dropped " + to_string(s.duplicates) + " duplicates; ignored " + to_string(s.empty) +
             " empty lines\n");
}

int RunPack(const std::vector<std::string>& args) {
    PackOptions options;
    ArchiveArguments parsed;
    if (const auto exit = ParseArchiveArguments(kName, args, parsed, {{"--utf8", &options.utf8}})) return *exit;
    if (!parsed.title) return UsageError(kName, "--title is required");
    if (parsed.positional.size() != 2) return UsageError(kName, "expected OUT.dic and INPUT");
    options.method = parsed.method;
    options.title = *parsed.title;
    options.output = parsed.positional[0];
    options.input = parsed.positional[1];

    // The title comes from the command line, which is UTF-8 text.
    std::optional<std::string> title = Utf8ToCp1251(options.title);
    if (!title || title->empty()) return UsageError(kName, "the title must be non-empty text that cp1251 can hold");

    const std::optional<std::string> text = ReadWholeFile(options.input);
    if (!text) {
        WriteErr("vellumar-cli: cannot read " + options.input + '\n');
        return kExitFailure;
    }
    std::vector<std::string> lines;
    if (!InputLines(options, *text, lines)) return kExitFailure;

    pack::DictionaryCollector collector;
    for (const std::string& line : lines) collector.Add(line);
    pack::ArchiveWriter writer(options.method);
    collector.WriteTo(writer, *title);
    writer.WriteFile(options.output);

    int members = 1;
    for (int n = pack::MinWordLength; n <= pack::MaxWordLength; ++n)
        if (collector.Summary().perLength[n] > 0) ++members;
    PrintSummary(options, collector.Summary(), members);
    return kExitOk;
}

const CommandRegistration registration({
    kName,
    "[--method non|rle|lzh|lh5] [--utf8] --title TITLE OUT.dic INPUT",
    "Packs a word list (cp1251, or UTF-8 with --utf8; TITLE is UTF-8) into a dictionary archive (LH5 by default; a member that would not shrink, such as the title, is stored).",
    RunPack,
});

}  // namespace

}  // namespace vellumar::cli
