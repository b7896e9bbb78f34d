#pragma once
// The mask grid's content without any widget: the word length N (2..22), one
// cell per letter (an upper-case cp1251 letter, a blank, or empty = never
// written), and the current column.

#include <string>
#include <vector>

namespace vellumar::ui {

class MaskGridState {
public:
    static constexpr int MinLength = 2;
    static constexpr int MaxLength = 22;
    static constexpr int StartLength = 5;

    MaskGridState();

    int Length() const { return static_cast<int>(cells_.size()); }
    int Col() const { return col_; }
    void SetCol(int col);

    // The text of cell `c` (0-based): "" (never written), " " or one letter.
    const std::string& Cell(int c) const { return cells_[static_cast<std::size_t>(c)]; }
    void SetCell(int c, std::string text) { cells_[static_cast<std::size_t>(c)] = std::move(text); }
    const std::vector<std::string>& Cells() const { return cells_; }

    // The alphabet position of the letter in cell `c`, 0 for a blank or empty cell.
    int Weight(int c) const;

    // One more cell at the end (a blank), up to MaxLength; false at the limit.
    bool Lengthen();
    // One cell fewer at the end, down to MinLength; the current cell stays
    // inside. False at the limit.
    bool Shorten();

private:
    std::vector<std::string> cells_;
    int col_ = 0;
};

}  // namespace vellumar::ui
