// vellumar-cli paths: the folders the window and this tool use, and why.

#include <string>
#include <vector>

#include "app/Notes.h"
#include "app/ProgramDirectory.h"
#include "app/UserFolders.h"
#include "tools/cli/Command.h"
#include "tools/cli/Output.h"

namespace vellumar::cli {

namespace {

constexpr const char* kName = "paths";

std::string ModeText() {
    if (CurrentFilesMode() == FilesMode::Portable) return "portable";
    if (HasPortableMarker(ProgramDirectory())) return "installed (the portable program folder can't be written)";
    return "installed";
}

int RunPaths(const std::vector<std::string>& args) {
    if (!args.empty()) return UsageError(kName, "unexpected argument '" + args.front() + "'");
    std::string out = "mode: " + ModeText() + "\n";
    out += "program folder: " + ProgramDirectory() + "\n";
    for (const std::string& folder : DictionaryDirectories()) out += "dictionaries: " + folder + "\n";
    out += "settings: " + SettingsPath() + "\n";
    out += "personal dictionary: " + UserDictionaryPath() + "\n";
    const std::string notes = NotesPath();
    out += "notes: " + (notes == NotesFileName ? notes + " (in the folder the program is started from)" : notes) + "\n";
    WriteOut(out);
    return FinishOut() ? kExitOk : kExitFailure;
}

const CommandRegistration registration({
    kName,
    "",
    "Shows the folders in use: the program folder, the dictionary folders, the settings, the personal "
    "dictionary and the notes, and whether the program is portable or installed.",
    RunPaths,
});

}  // namespace

}  // namespace vellumar::cli
