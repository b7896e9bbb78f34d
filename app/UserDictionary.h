#pragma once
// The personal dictionary user's.dic (beside a portable program, in the user's
// data folder otherwise): a plain-text dictionary to which single lines are
// appended.

#include <string>

#include "app/UserFolders.h"

namespace vellumar {

inline constexpr const char* UserDictionaryName = "user's.dic";

struct AppendResult {
    bool created = false;   // this call created the file (with its title line)
    bool written = false;   // the line was written
};

// Appends `line` and CR LF to user's.dic, creating the file with its title
// line when it is missing. When the file's last line has no line break, one
// is written first so the new line never joins it. A failure is reported to
// the user with the two-line message and leaves `written` false.
AppendResult AppendToUserDictionary(const std::string& line);

}  // namespace vellumar
