// The mask grid's cells and keys without a window: typing in either layout,
// and the editing keys at the edges.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/Letters.h"
#include "tests/common/Cp1251.h"
#include "tests/ui/MaskCells.h"
#include "ui/MaskGridState.h"

namespace vellumar::test {
namespace {

using ui::GridKey;
using ui::MaskGridState;

std::string Cells(const MaskGridState& s) { return CellsText(s); }

TEST(MaskGridState, TypingTakesEitherLayoutAndStopsOnTheLastCell) {
    MaskGridState s;
    for (char c : std::string("ntcnF1?/-=") + W("ё")) s.Type(c);
    EXPECT_EQ(Cells(s), "ТЕСТЁ");
    EXPECT_EQ(s.Col(), 4);
    s.SetCol(1);
    EXPECT_EQ(s.Type(' '), 1);
    EXPECT_EQ(Cells(s) + std::to_string(s.Weight(1) + s.Weight(4)), "Т СТЁ7");
    // Each letter sits on one key, whose plain and shifted caps both give it.
    const std::string plain = "`qwertyuiop[]asdfghjkl;'zxcvbnm,.", shifted = "~QWERTYUIOP{}ASDFGHJKL:\"ZXCVBNM<>";
    std::set<char> letters;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        EXPECT_EQ(ui::RussianKeyLetter(shifted[i]), ui::RussianKeyLetter(plain[i])) << plain[i];
        if (IsUpperRussian(ui::RussianKeyLetter(plain[i]))) letters.insert(ui::RussianKeyLetter(plain[i]));
    }
    EXPECT_EQ(letters.size(), Alphabet.size());
}

TEST(MaskGridState, EditingKeysAtTheEdges) {
    const std::string full = "АБВГДЕЖЗИЙКЛМНОПРСТУФХ";
    struct Case {
        std::string cells;
        int col;
        GridKey key;
        std::string after;
        int colAfter;
    };
    const Case cases[] = {
        {"КОТ", 2, GridKey::Backspace, "КТ", 1},   // the cell before goes, as a Delete
        {"КТ", 1, GridKey::Backspace, " Т", 0},    // N = 2: the first cell blanked
        {"КТ", 0, GridKey::Backspace, "КТ", 0},
        {"ПАРОХО", 2, GridKey::Delete, "ПАОХО", 2},
        {"ПАРОХ", 4, GridKey::Delete, "ПАРО", 3},
        {"ДА", 0, GridKey::Delete, "А ", 0},       // N = 2: the second letter moves up
        {"ДА", 1, GridKey::Delete, "Д ", 1},
        {"КОТ", 1, GridKey::Insert, "К ОТ", 1},
        {full, 0, GridKey::Insert, " АБВГДЕЖЗИЙКЛМНОПРСТУФ", 0},
        {"АБВ", 2, GridKey::Minus, "АБ", 1},
        {"АБ", 1, GridKey::Minus, "АБ", 1},
        {"АБ", 1, GridKey::Plus, "АБ ", 1},
        {full, 0, GridKey::Plus, full, 0},
    };
    for (const Case& c : cases) {
        MaskGridState s;
        const std::string word = W(c.cells);
        while (s.Length() < static_cast<int>(word.size())) s.Lengthen();
        while (s.Length() > static_cast<int>(word.size())) s.Shorten();
        for (int i = 0; i < s.Length(); ++i) s.SetCell(i, word.substr(static_cast<std::size_t>(i), 1));
        s.SetCol(c.col);
        const bool swallowed = s.KeyDown(c.key).swallowed;
        EXPECT_EQ(Cells(s), c.after) << c.cells << static_cast<int>(c.key);
        EXPECT_EQ(s.Col(), c.colAfter) << c.cells << static_cast<int>(c.key);
        EXPECT_EQ(swallowed, c.key == GridKey::Plus || c.key == GridKey::Minus);
    }
}

}  // namespace
}  // namespace vellumar::test
