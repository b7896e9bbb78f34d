#pragma once
// The mask grid's content without any widget: the word length N (2..22), one
// cell per letter (an upper-case cp1251 letter, a blank, or empty = never
// written), the current column, and what typed characters and the editing
// keys do to them.

#include <string>
#include <vector>

namespace vellumar::ui {

// The keys the grid gives a meaning of its own; the window maps the toolkit's
// key codes onto these. Plus and Minus stand for both keyboards' keys.
enum class GridKey { Other, Backspace, Delete, Insert, Plus, Minus };

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

    // Blanks every cell; N and the current cell stay.
    void Clear();

    // A typed character (cp1251): a Latin key cap becomes the Russian letter of
    // the same key, then upper case; a letter or a blank goes into the current
    // cell and the current cell moves on unless it is the last. Returns the
    // column written, or -1 when the character is no letter and changed nothing.
    int Type(char c);

    // What a key going down did.
    struct KeyResult {
        GridKey key = GridKey::Other;   // the key as the later steps saw it (Backspace may become Delete)
        bool swallowed = false;         // the key is used up: nothing else sees it
        bool plusStep = false;          // the lengthening step ran (plus or Insert)
        bool minusStep = false;         // the shortening step ran (minus)
        bool changed = false;           // cells or N may have changed
    };
    // Backspace, the minus and plus keys, Insert and Delete, in that order; a
    // Backspace that removes a cell does so as a Delete on the cell before.
    KeyResult KeyDown(GridKey key);

private:
    void DeleteAtCol();
    void InsertAtCol();

    std::vector<std::string> cells_;
    int col_ = 0;
};

// The Russian letter on the key whose Latin cap is `c`, or `c` itself.
char RussianKeyLetter(char c);

}  // namespace vellumar::ui
