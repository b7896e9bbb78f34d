#pragma once
// The text of DSL lines: comments, headwords with their unsorted and optional
// parts, and card bodies with their markup.

#include <string>
#include <string_view>
#include <vector>

namespace vellumar::import {

// Removes {{comments}}; a comment that the line leaves open goes on to the
// next (`inComment` carries that over). Escaped braces are no comment.
void RemoveDslComments(std::string& line, bool& inComment);

// The words a headword line indexes: escapes resolved, {unsorted parts} and
// [tags] left out, every (optional part) both with and without (up to four
// such parts; beyond that all with and all without); "~" becomes `tilde`.
std::vector<std::string> DslHeadwords(std::string_view line, std::string_view tilde = {});

// A body line's text: tags removed, media ([s]…[/s], [video]…[/video]) with
// their content, <<references>> as their text, escapes resolved, control
// characters as blanks, and every unescaped "~" as kHeadwordMark.
std::string DslBodyText(std::string_view line);

// The value of a header line such as «#NAME "Title"»: the text between its
// first and last quotes, or after the keyword when there are none.
std::string_view DslHeaderValue(std::string_view line);

}  // namespace vellumar::import
