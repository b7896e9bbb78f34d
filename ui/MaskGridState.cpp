#include "ui/MaskGridState.h"

#include <algorithm>
#include <string_view>

#include "engine/Letters.h"

namespace vellumar::ui {

namespace {

// The Latin key caps row by row, shifted and unshifted, and the Russian letter
// each key gives, so that a mask can be typed with either layout active.
constexpr std::string_view kShiftedCaps = "~QWERTYUIOP{}ASDFGHJKL:\"ZXCVBNM<>";
constexpr std::string_view kPlainCaps = "`qwertyuiop[]asdfghjkl;'zxcvbnm,.";
constexpr std::string_view kKeyLetters = Cp1251<"ЁЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮ">;
static_assert(kShiftedCaps.size() == kKeyLetters.size() && kPlainCaps.size() == kKeyLetters.size());

const std::string kBlank = " ";

}  // namespace

char RussianKeyLetter(char c) {
    for (std::string_view caps : {kShiftedCaps, kPlainCaps})
        if (const std::size_t at = caps.find(c); at != std::string_view::npos) return kKeyLetters[at];
    return c;
}

MaskGridState::MaskGridState() : cells_(StartLength) {}

void MaskGridState::SetCol(int col) { col_ = std::clamp(col, 0, Length() - 1); }

int MaskGridState::Weight(int c) const {
    const std::string& cell = Cell(c);
    return cell.empty() ? 0 : AlphabetPosition(cell.front());
}

bool MaskGridState::Lengthen() {
    if (Length() >= MaxLength) return false;
    cells_.push_back(kBlank);
    return true;
}

bool MaskGridState::Shorten() {
    if (Length() <= MinLength) return false;
    cells_.pop_back();
    col_ = std::min(col_, Length() - 1);
    return true;
}

void MaskGridState::Clear() { std::fill(cells_.begin(), cells_.end(), kBlank); }

int MaskGridState::Type(char c) {
    c = UpperChar(RussianKeyLetter(c));
    if (!IsUpperRussian(c) && c != ' ') return -1;
    const int written = col_;
    SetCell(written, std::string(1, c));
    if (col_ < Length() - 1) ++col_;
    return written;
}

MaskGridState::KeyResult MaskGridState::KeyDown(GridKey key) {
    KeyResult result;
    if (key == GridKey::Backspace && col_ > 0) {
        result.changed = true;
        if (Length() > MinLength) {
            --col_;
            key = GridKey::Delete;
        } else {
            col_ = 0;
            SetCell(0, kBlank);
        }
    }
    if (key == GridKey::Minus) {
        Shorten();
        result.swallowed = result.minusStep = result.changed = true;
    }
    if (key == GridKey::Plus) {
        Lengthen();
        result.swallowed = result.plusStep = result.changed = true;
    }
    if (key == GridKey::Insert) {
        Lengthen();
        InsertAtCol();
        result.plusStep = result.changed = true;
    }
    if (key == GridKey::Delete) {
        DeleteAtCol();
        result.changed = true;
    }
    result.key = key;
    return result;
}

// With the length already grown: the letters from the current cell on move one
// to the right (the last one falls off at the limit) and the current cell is
// blanked.
void MaskGridState::InsertAtCol() {
    for (int k = Length() - 1; k > col_; --k) SetCell(k, Cell(k - 1));
    SetCell(col_, kBlank);
}

// The current cell goes and the following letters move left; at the shortest
// length the cells are blanked instead, the second letter moving to the first
// cell when the first is deleted.
void MaskGridState::DeleteAtCol() {
    if (Length() > MinLength) {
        for (int k = col_; k < Length() - 1; ++k) SetCell(k, Cell(k + 1));
        Shorten();
        return;
    }
    if (col_ == 0) {
        SetCell(0, Cell(1));
        SetCell(1, kBlank);
    } else {
        SetCell(col_, kBlank);
    }
}

}  // namespace vellumar::ui
