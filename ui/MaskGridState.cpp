#include "ui/MaskGridState.h"

#include <algorithm>

#include "engine/Letters.h"

namespace vellumar::ui {

MaskGridState::MaskGridState() : cells_(StartLength) {}

void MaskGridState::SetCol(int col) { col_ = std::clamp(col, 0, Length() - 1); }

int MaskGridState::Weight(int c) const {
    const std::string& cell = Cell(c);
    return cell.empty() ? 0 : AlphabetPosition(cell.front());
}

bool MaskGridState::Lengthen() {
    if (Length() >= MaxLength) return false;
    cells_.push_back(" ");
    return true;
}

bool MaskGridState::Shorten() {
    if (Length() <= MinLength) return false;
    cells_.pop_back();
    col_ = std::min(col_, Length() - 1);
    return true;
}

}  // namespace vellumar::ui
