#pragma once
// The catalogue of dictionaries: every *.dic of a directory with its title,
// and the loading of one dictionary's lines for a search.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vellumar {

class TStream;

struct DictionaryEntry {
    std::string caption;   // the dictionary's title, empty when unreadable
    std::string path;      // the stored path; a leading blank marks an archive
    bool checked = true;   // only checked entries are searched

    bool IsArchive() const { return !path.empty() && path.front() == ' '; }
    // The file's path without the archive mark.
    std::string FilePath() const { return IsArchive() ? path.substr(1) : path; }
};

using DictionaryCatalogue = std::vector<DictionaryEntry>;

// The archive member that holds a dictionary's title, and the one that holds
// its words of `length` letters ("5.dic" for 5).
inline constexpr std::string_view TitleMemberName = "0.dic";
std::string LengthMemberName(std::size_t length);
// The word lengths an archive has members for.
inline constexpr std::size_t MinMemberWordLength = 2;
inline constexpr std::size_t MaxMemberWordLength = 22;

// The longest title read from a plain-text file's first line.
inline constexpr std::size_t MaxPlainTitleLength = 64 * 1024;

// One entry per directory entry of `directory` whose name ends in ".dic" (ASCII
// case ignored), directories included. The directory is listed sorted by name
// (ASCII case ignored, then by bytes), since the file system's own order is
// arbitrary, and the catalogue holds the reverse of that listing. An archive
// with a non-empty member "0.dic" is titled by its first line and marked; any
// other file is titled by its own first line. Shows no messages.
DictionaryCatalogue ScanDictionaries(const std::string& directory);

// The same over the union of several directories' *.dic files, in the same
// name order: a name found in more than one directory is listed once, with
// the file of the last directory that has it.
DictionaryCatalogue ScanDictionaries(const std::vector<std::string>& directories);

// The paths of the entries ScanDictionaries makes, in the same order, with no
// file read.
std::vector<std::string> DictionaryFilePaths(const std::string& directory);
std::vector<std::string> DictionaryFilePaths(const std::vector<std::string>& directories);

// The file at `path`, open, when ScanDictionaries would take it for an archive
// (it has a non-empty member "0.dic"); nothing otherwise. For a search that
// shows no titles, so that one open serves the test and the member searched.
std::unique_ptr<TStream> OpenTitledArchive(const std::string& path);

// An archive's member "<name>" as text (empty when it has none), read from an
// archive already open; throws what the reader throws.
std::string ExpandMemberText(TStream& archive, const std::string& member);

// An archive's member "<name>" as text lines; throws what the reader throws.
std::vector<std::string> ReadArchiveMemberLines(const std::string& archivePath, const std::string& member);

// A plain-text dictionary's lines without its title, or false when unreadable.
bool ReadPlainTextLines(const std::string& path, std::vector<std::string>& lines);

}  // namespace vellumar
