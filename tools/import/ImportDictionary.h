#pragma once
// Importing a dictionary of another program: a DSL text (.dsl, .dsl.dz), a
// StarDict dictionary (.ifo with its .idx and .dict beside it) or a dictd
// database (.index with its .dict), made into an ordinary dictionary archive
// through the packer. The file appears whole or not at all.

#include "archive/ArchiveFormat.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace vellumar::import {

enum class SourceFormat { Dsl, StarDict, Dictd };

// "DSL", "StarDict", "dictd".
const char* FormatName(SourceFormat format);

// The format the file's content shows; nothing for any other file. Throws
// EFOpenError when it can't be read.
std::optional<SourceFormat> DetectSourceFormat(const std::string& path);

// The source's name without its folder and extensions, with ".dic".
std::string DefaultOutputName(const std::string& sourcePath);

struct ImportOptions {
    std::string source;
    std::string output;
    std::string title;                 // UTF-8; empty: the source's own title, else its file name
    MethodIndex method = MethodLH5;
    // The share done, 0 to 1, now and then while the import runs.
    std::function<void(double done)> progress;
    // Polled as often as progress is reported and once more before the file
    // is written; true stops the import.
    std::function<bool()> cancelled;
};

struct ImportSummary {
    SourceFormat format = SourceFormat::Dsl;
    std::string title;                 // cp1251, as written
    std::size_t read = 0;              // headwords met in the source
    std::size_t written = 0;           // lines in the dictionary
    // Skipped headwords by reason.
    std::size_t notOneWord = 0;        // blanks, hyphens, digits, Latin letters, other signs
    std::size_t tooShort = 0;          // one letter
    std::size_t tooLong = 0;           // more than 22 letters
    std::size_t badText = 0;           // bytes that are not valid in the source's encoding
    std::size_t damaged = 0;           // the entry's data lies outside the file or can't be read
    std::size_t duplicates = 0;        // the same word with the same definition again
    std::size_t droppedCharacters = 0; // characters cp1251 lacks and no transliteration gives
    std::size_t shortenedDefinitions = 0;  // cut to the 1024 bytes a definition shows

    std::size_t Skipped() const { return notOneWord + tooShort + tooLong + badText + damaged + duplicates; }
};

// Reads the source, writes the dictionary to options.output and says what it
// did. Throws EUnknownSourceFormat for a file of no known format,
// EImportCancelled when the cancel check says so, and the reader's or writer's
// exception on failure; in every such case no file is left behind.
ImportSummary ImportDictionary(const ImportOptions& options);

}  // namespace vellumar::import
