#pragma once
// Whole-file reads and safe replacement of small files, with failures reported
// as results rather than exceptions: the callers show their own messages.

#include <cstddef>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vellumar {

// A stdio file closed when it goes out of scope.
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Whether something is at `path`: true also when that can't be told (an
// error other than a missing entry). Through the system call, as
// std::filesystem would grow every run's start-up of the command-line tool.
bool PathMayExist(const std::string& path);

// Whether `path` names a folder (through the system call, as above).
bool IsDirectory(const std::string& path);

// The whole content, or nothing when the file can't be opened or read
// (a directory in its place included).
std::optional<std::string> ReadWholeFile(const std::string& path);

// The bytes up to the first CR, LF or zero byte, reading at most `limit` bytes;
// nothing when the file can't be opened or read.
std::optional<std::string> ReadFirstLine(const std::string& path, std::size_t limit);

// Writes `data` to a new file beside `path` and renames it over `path`, so that
// a failure at any point leaves the old file as it was. False on failure.
bool ReplaceFile(const std::string& path, std::string_view data);

}  // namespace vellumar
