#pragma once
// The windows' edge between the system's cp1251 text and Qt's Unicode strings.

#include <QString>

#include <string>
#include <string_view>

namespace vellumar::ui {

// cp1251 bytes as a Qt string.
QString FromCp1251(std::string_view text);

// A Qt string as cp1251 bytes; a character cp1251 lacks becomes '?'.
std::string ToCp1251(const QString& text);

}  // namespace vellumar::ui
