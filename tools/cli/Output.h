#pragma once
// Standard output and error through stdio. The tool is started once per query
// by scripts, and iostreams' start-up (the locale set-up behind cout and cerr)
// costs more than many a search.

#include <string>
#include <string_view>

namespace vellumar::cli {

void WriteOut(std::string_view text);
// Flushes standard output; false when anything written to it failed.
bool FinishOut();
void WriteErr(std::string_view text);

// The message handler of the commands: a cp1251 message of the core as UTF-8
// on standard error, its lines ended by LF.
void PrintMessageToStderr(const std::string& cp1251);

}  // namespace vellumar::cli
