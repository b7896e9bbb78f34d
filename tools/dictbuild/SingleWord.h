#pragma once
// The test both sources put their words through.

#include "tools/dictbuild/SourceStats.h"

#include <optional>
#include <string>
#include <string_view>

namespace vellumar::dictbuild {

// A UTF-8 word as a lower-case cp1251 word, or nothing (counted in `stats`) when it
// is not made only of 2..22 Russian letters, or when it is an all-capital
// abbreviation and `dropAbbreviations` is set.
std::optional<std::string> SingleRussianWord(std::string_view utf8, bool dropAbbreviations, SourceStats& stats);

}  // namespace vellumar::dictbuild
