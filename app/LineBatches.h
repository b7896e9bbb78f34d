#pragma once
// A dictionary's text handed out as text lines a batch at a time, so that a
// search never holds every line of a large dictionary as a string at once.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vellumar {

// About this many bytes of text go into one batch.
inline constexpr std::size_t LineBatchBytes = 8 * 1024;

// Calls `use` with successive batches of the lines of `text`, split as
// SplitTextLines splits (CR LF, CR or LF end a line; a zero byte ends the
// text). Together the batches hold exactly SplitTextLines(text).
void ForEachLineBatch(std::string_view text, const std::function<void(std::vector<std::string>&)>& use);

// A file read block by block and handed to `use` as pieces of text that each
// end with a complete line (but the last), so that a plain-text dictionary of
// any size is never held whole; with `skipFirstLine` its title line is left
// out. False when the file can't be opened or read (pieces handed out before
// a failed read stay handed out).
bool ForEachFileTextChunk(const std::string& path, bool skipFirstLine,
                          const std::function<void(std::string_view)>& use);

// The same for a file read block by block, so that a plain-text dictionary of
// any size is never held whole; with `skipFirstLine` its title line is left
// out. False when the file can't be opened or read (batches handed out
// before a failed read stay handed out).
bool ForEachFileLineBatch(const std::string& path, bool skipFirstLine,
                          const std::function<void(std::vector<std::string>&)>& use);

}  // namespace vellumar
