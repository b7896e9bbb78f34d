#pragma once
// The directory of the running program, where the dictionaries, the settings
// file and the personal dictionary live.

#include <string>

namespace vellumar {

// The running program's directory with its trailing separator, taken once from
// /proc/self/exe and kept for the run (or the directory given to SetProgramDirectory).
const std::string& ProgramDirectory();

// Replaces the program directory; `directory` gets a trailing "/" when it lacks
// one. Tests and tools that work on another directory use it.
void SetProgramDirectory(const std::string& directory);

// `directory` with a trailing "/" (unchanged when empty or already ending in one).
std::string WithTrailingSeparator(std::string directory);

}  // namespace vellumar
