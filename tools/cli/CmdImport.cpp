// vellumar-cli import: a DSL, StarDict or dictd dictionary into a dictionary archive.

#include <string>

#include "tools/cli/ArchiveArguments.h"
#include "tools/cli/Command.h"
#include "tools/cli/Encoding.h"
#include "tools/cli/Output.h"
#include "tools/import/ImportDictionary.h"
#include "tools/import/ImportErrors.h"
#include "tools/pack/DictionaryPacker.h"

namespace vellumar::cli {

namespace {

constexpr const char* kName = "import";

void PrintSummary(const import::ImportOptions& options, const import::ImportSummary& s) {
    using std::to_string;
    WriteErr("read " + to_string(s.read) + " entries from " + options.source + " (" + import::FormatName(s.format) +
             ")\n" + "wrote " + to_string(s.written) + " entries to " + options.output + " (" +
             MethodName(options.method) + ", title \"" + Cp1251ToUtf8(s.title) + "\")\n" + "skipped " +
             to_string(s.Skipped()) + " entries: " + to_string(s.notOneWord) + " not one Russian word, " +
             to_string(s.tooShort) + " shorter than " + to_string(pack::MinWordLength) + " letters, " +
             to_string(s.tooLong) + " longer than " + to_string(pack::MaxWordLength) + " letters, " +
             to_string(s.badText) + " with invalid text, " + to_string(s.damaged) + " damaged, " +
             to_string(s.duplicates) + " duplicates\n" + "dropped " + to_string(s.droppedCharacters) +
             " characters that cp1251 lacks; shortened " + to_string(s.shortenedDefinitions) +
             " definitions to 1024 bytes\n");
}

int RunImport(const std::vector<std::string>& args) {
    ArchiveArguments parsed;
    if (const auto exit = ParseArchiveArguments(kName, args, parsed)) return *exit;
    if (parsed.title && parsed.title->empty()) return UsageError(kName, "the title must not be empty");
    if (parsed.positional.empty() || parsed.positional.size() > 2)
        return UsageError(kName, "expected SOURCE and at most OUT.dic");
    import::ImportOptions options;
    options.method = parsed.method;
    options.title = parsed.title.value_or(std::string());
    options.source = parsed.positional[0];
    options.output = parsed.positional.size() == 2 ? parsed.positional[1] : import::DefaultOutputName(options.source);
    try {
        const import::ImportSummary summary = import::ImportDictionary(options);
        PrintSummary(options, summary);
    } catch (const import::EUnknownSourceFormat& e) {
        WriteErr(std::string("vellumar-cli: ") + e.what() + '\n');
        return kExitUsage;
    }
    return kExitOk;
}

const CommandRegistration registration({
    kName,
    "[--title TITLE] [--method lh5|lzh|rle|non] SOURCE [OUT.dic]",
    "Imports a DSL (.dsl, .dsl.dz), StarDict (.ifo) or dictd (.index) dictionary into a dictionary archive "
    "(OUT.dic defaults to the source's name in the current folder; TITLE, UTF-8, to the source's own title).",
    RunImport,
});

}  // namespace

}  // namespace vellumar::cli
