#pragma once
// Splitting text into lines the way dictionaries, members and notes are read:
// CR LF, a lone CR or a lone LF each end a line, and a zero byte ends the text.

#include <string>
#include <string_view>
#include <vector>

namespace vellumar {

// A final line without a line break counts; a break at the very end adds no
// empty line after it. Empty text gives no lines.
std::vector<std::string> SplitTextLines(std::string_view text);

}  // namespace vellumar
