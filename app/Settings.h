#pragma once
// The configuration file Vellumar.ini (beside a portable program, in the user's
// configuration folder otherwise): two font faces and the three letter
// equivalence flags.

#include <string>

#include "app/UserFolders.h"
#include "engine/Exception.h"
#include "engine/Letters.h"

namespace vellumar {

inline constexpr const char* DefaultFontFace = "MS Sans Serif";

struct Settings {
    std::string wordFontFace = DefaultFontFace;      // the mask grid's font
    std::string wordListFontFace = DefaultFontFace;  // the result list's font
    LetterEquivalences equivalences;
};

// A value of an initialisation file could not be written.
class EIniFileException : public Exception {
public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EIniFileException"; }
};

// Never fails: whatever is missing or unreadable takes its default.
Settings ReadSettings();

// Writes the five values in a fixed order and stops at the first one that
// can't be written, with EIniFileException "Unable to write to <path>".
void WriteSettings(const Settings& settings);

// How a flag's text is read: a whole number (hexadecimal after "0x" when the
// text is longer than two characters); zero is off, any other number on, and
// a text that is no number gives `defaultValue`.
bool ReadFlagValue(const std::string& text, bool defaultValue);

}  // namespace vellumar
