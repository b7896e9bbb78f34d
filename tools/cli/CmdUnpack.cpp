// vellumar-cli unpack: a dictionary archive back into a plain-text dictionary.

#include <cstdio>
#include <string>

#include "archive/Archive.h"
#include "archive/MemoryStream.h"
#include "engine/Exception.h"
#include "tools/cli/ArchiveFile.h"
#include "tools/cli/Command.h"
#include "tools/cli/Output.h"
#include "tools/cli/Encoding.h"
#include "tools/pack/DictionaryPacker.h"

namespace vellumar::cli {

namespace {

constexpr const char* kName = "unpack";

std::vector<std::string> MemberLines(const std::string& archive, std::string_view member) {
    TArchive reader;
    TMemoryStream stream;
    reader.ExpandMember(archive, stream, std::string(member));
    stream.Rewind();
    return stream.ReadLines();
}

int RunUnpack(const std::vector<std::string>& args) {
    bool utf8 = false;
    std::string archive;
    for (const std::string& a : args) {
        if (a == "--utf8") {
            utf8 = true;
        } else if (a.starts_with("--")) {
            return UsageError(kName, "unknown option " + a);
        } else if (archive.empty()) {
            archive = a;
        } else {
            return UsageError(kName, "expected one ARCHIVE");
        }
    }
    if (archive.empty()) return UsageError(kName, "expected ARCHIVE");

    // Everything is read before anything is written, so a damaged archive leaves no partial output.
    const std::string_view lineBreak = utf8 ? "\n" : "\r\n";
    std::string out;
    try {
        (void)ListNamedArchive(archive);   // a file that is no archive fails as list fails
        const std::vector<std::string> title = MemberLines(archive, pack::TitleMemberName);
        out += title.empty() ? std::string() : title.front();
        out += lineBreak;
        for (int length = pack::MinWordLength; length <= pack::MaxWordLength; ++length) {
            for (const std::string& line : MemberLines(archive, pack::LengthMemberName(length))) {
                out += line;
                out += lineBreak;
            }
        }
    } catch (const Exception& e) {
        return ReportArchiveFailure(e);
    }
    if (utf8) out = Cp1251ToUtf8(out);
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) {
        WriteErr("vellumar-cli: cannot write standard output\n");
        return kExitFailure;
    }
    return kExitOk;
}

const CommandRegistration registration({
    kName,
    "[--utf8] ARCHIVE",
    "Writes a dictionary archive as a plain-text dictionary (title line, then the lines of members 2..22) "
    "on standard output: cp1251 with CR LF, or UTF-8 with --utf8. Errors as for list.",
    RunUnpack,
});

}  // namespace

}  // namespace vellumar::cli
