#pragma once
// Text to whole number, as the weight filter's edit field is read.

#include <string_view>

namespace vellumar {

// Accepts leading blanks, an optional sign, then decimal digits or a hex number
// after "$" or "0x"; nothing may follow. Throws EConvertError ("'<text>' is not
// a valid integer value") for anything else and for values outside int.
int StrToInt(std::string_view text);

}  // namespace vellumar
