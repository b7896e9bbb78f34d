#pragma once
// The notes page's file Notes.txt: in the current directory for a portable
// program, in the user's data folder otherwise (NotesPath()).

#include <string>

namespace vellumar {

inline constexpr const char* NotesFileName = "Notes.txt";

// The file's text with every lone CR or LF made CR LF; empty, without a
// message, when the file is missing or unreadable.
std::string LoadNotes();

// Replaces Notes.txt with `text`, making its folder first when needed. The
// text goes to a new file first, which is then renamed over the old one, so a
// failed save leaves the old notes intact.
// A failure is reported to the user; false then.
bool SaveNotes(const std::string& text);

// Every lone CR or LF of `text` made CR LF.
std::string ToCrLf(const std::string& text);

}  // namespace vellumar
