#pragma once
// Where the user's own files live. A portable program folder (one that holds
// the marker file and may be written) keeps them where they always were: the
// settings, the personal dictionary and added dictionaries in the program
// folder, the notes in the current folder. Any other program, an installed one
// or a portable folder that can't be written, keeps them in the user's folders:
// the settings in $XDG_CONFIG_HOME/vellumar/, the dictionaries and the notes in
// $XDG_DATA_HOME/vellumar/, each folder made on the first write.

#include <string>
#include <vector>

namespace vellumar {

enum class FilesMode { Portable, Installed };

// The file whose presence beside the program marks its folder as portable.
inline constexpr const char* PortableMarkerName = "Vellumar.portable";

// The running program's mode: decided from ProgramDirectory() when first asked
// and kept for the run, or the one set by SetProgramDirectory/UseProgramFolder.
FilesMode CurrentFilesMode();

// The mode a program in `programDirectory` runs in: Portable when the folder
// holds the marker and may be written. A folder whose permission bits let
// nobody write counts as read-only also for root, who could write it anyway.
FilesMode FilesModeOf(const std::string& programDirectory);
bool HasPortableMarker(const std::string& programDirectory);

// Sets the mode for the rest of the run (SetProgramDirectory sets Portable).
void SetFilesMode(FilesMode mode);

// Makes `directory` the program directory with the mode its folder gives, as
// the start of a program there would.
void UseProgramFolder(const std::string& directory);

inline constexpr const char* SettingsFileName = "Vellumar.ini";

// The folder of the settings file Vellumar.ini, with a trailing "/", and the file.
std::string SettingsDirectory();
std::string SettingsPath();

// The folder of the personal dictionary user's.dic and of the dictionaries the
// user adds, with a trailing "/": the program folder of a portable program,
// the user's data folder of an installed one.
std::string UserDictionaryDirectory();
// UserDictionaryDirectory() followed by "user's.dic".
std::string UserDictionaryPath();

// The notes file: the bare name "Notes.txt" (the current folder) for a
// portable program, a file in the user's data folder otherwise.
std::string NotesPath();

// The folders whose *.dic files make the catalogue: the program folder, then
// (for an installed program) the user's dictionary folder, whose files win
// over the program folder's of the same name.
std::vector<std::string> DictionaryDirectories();

// $XDG_CONFIG_HOME and $XDG_DATA_HOME (ignored unless absolute, as the base
// directory rules say), else ~/.config and ~/.local/share; trailing "/".
std::string ConfigHome();
std::string DataHome();

// Creates `directory` and every missing folder above it, each new one with
// mode 0700. True when it is a directory afterwards.
bool CreateUserFolder(const std::string& directory);

// CreateUserFolder for the folder that holds `path`: the step before the first
// write of a user's file. True when that folder exists afterwards.
bool CreateFolderOf(const std::string& path);

}  // namespace vellumar
