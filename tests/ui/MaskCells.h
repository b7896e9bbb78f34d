#pragma once
// The mask grid's cells as readable text for test expectations.

#include <string>

#include "tests/common/Cp1251.h"
#include "ui/MaskGridState.h"

namespace vellumar::test {

// The cells in UTF-8, "." for an empty one.
inline std::string CellsText(const ui::MaskGridState& state) {
    std::string out;
    for (const std::string& cell : state.Cells()) out += cell.empty() ? "." : U(cell);
    return out;
}

}  // namespace vellumar::test
