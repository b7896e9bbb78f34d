// vellumar-cli stats: the statistics window's counts over the window's dictionaries or a directory's.

#include <cstdio>
#include <string>
#include <vector>

#include "app/AppMessages.h"
#include "app/Catalogue.h"
#include "app/Statistics.h"
#include "app/UserFolders.h"
#include "tools/cli/Command.h"
#include "tools/cli/Output.h"
#include "tools/cli/Encoding.h"

namespace vellumar::cli {

namespace {

constexpr const char* kName = "stats";

int RunStats(const std::vector<std::string>& args) {
    std::string dir;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--dir" && i + 1 < args.size()) {
            dir = args[++i];
        } else {
            return UsageError(kName, "unexpected argument '" + args[i] + "'");
        }
    }
    if (!CheckFolderOption(dir)) return kExitUsage;

    const DictionaryCatalogue catalogue = dir.empty() ? ScanDictionaries(DictionaryDirectories()) : ScanDictionaries(dir);
    if (catalogue.empty()) {
        WriteOut(Cp1251ToUtf8(texts::NoDictionaries) + "\n");
        FinishOut();
        return kExitFailure;
    }
    Statistics stats;
    GatherStatistics(stats, catalogue);

    // The window's labels, group by group.
    std::string out = DictionaryCountCaption(catalogue.size()) + "\n";
    out += Cp1251<"По длине слов\n">;
    for (int n = MinCountedLength; n <= MaxCountedLength + 1; ++n) out += LengthLabel(stats, n) + "\n";
    out += Cp1251<"По буквам\n">;
    for (int j = 1; j <= LetterCount; ++j) out += LetterLabel(stats, j) + "\n";
    WriteOut(Cp1251ToUtf8(out));
    return FinishOut() ? kExitOk : kExitFailure;
}

const CommandRegistration registration({
    kName,
    "[--dir DIR]",
    "Counts the words of each length and the share of each letter over the dictionaries of DIR "
    "(default: the program's and the user's, as the window does). A DIR that is no folder is refused (exit 2).",
    RunStats,
});

}  // namespace

}  // namespace vellumar::cli
