#pragma once
// The directory of the running program, where the bundled dictionaries, the
// help pages and the language file live (and, in a portable program folder,
// the user's files: app/UserFolders.h).

#include <string>

namespace vellumar {

// The running program's directory with its trailing separator, taken once from
// /proc/self/exe and kept for the run (or the directory given to SetProgramDirectory).
const std::string& ProgramDirectory();

// Replaces the program directory; `directory` gets a trailing "/" when it lacks
// one. Tests and tools that work on another directory use it; the program then
// works there as in a portable folder, keeping the user's files in it.
void SetProgramDirectory(const std::string& directory);

// `directory` with a trailing "/" (unchanged when empty or already ending in one).
std::string WithTrailingSeparator(std::string directory);

}  // namespace vellumar
