// The mask grid's cells and keys without a window: typing in either layout,
// Backspace, Delete, Insert and the length keys at the edges.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/Letters.h"
#include "tests/common/Cp1251.h"
#include "ui/MaskGridState.h"

namespace vellumar::test {
namespace {

using ui::GridKey;
using ui::MaskGridState;

// The cells as UTF-8, an unwritten cell as '.'.
std::string Cells(const MaskGridState& s) {
    std::string out;
    for (const std::string& cell : s.Cells()) out += cell.empty() ? "." : U(cell);
    return out;
}

// A grid of the word's length holding the word (blanks as ' '), current cell `col`.
MaskGridState Grid(const std::string& utf8, int col) {
    MaskGridState s;
    const std::string word = W(utf8);
    while (s.Length() < static_cast<int>(word.size())) s.Lengthen();
    while (s.Length() > static_cast<int>(word.size())) s.Shorten();
    for (int c = 0; c < s.Length(); ++c) s.SetCell(c, std::string(1, word[static_cast<std::size_t>(c)]));
    s.SetCol(col);
    return s;
}

TEST(MaskGridState, TypingInTheLatinLayoutGivesTheRussianLettersAndStopsOnTheLastCell) {
    MaskGridState s;
    for (char c : std::string("ntcn")) s.Type(c);
    EXPECT_EQ(Cells(s), "ТЕСТ.");
    EXPECT_EQ(s.Col(), 4);
    const int weights[] = {20, 6, 19, 20, 0};
    for (int c = 0; c < 5; ++c) EXPECT_EQ(s.Weight(c), weights[c]) << c;

    EXPECT_EQ(s.Type('F'), 4);   // the last cell takes it and stays current
    EXPECT_EQ(s.Type(W("ё")[0]), 4);
    EXPECT_EQ(Cells(s), "ТЕСТЁ");
    EXPECT_EQ(s.Col(), 4);
    EXPECT_EQ(s.Weight(4), 7);

    s.SetCol(1);
    for (char c : std::string("1?/\t-=\b")) EXPECT_EQ(s.Type(c), -1) << int(c);
    EXPECT_EQ(s.Type(' '), 1);
    EXPECT_EQ(Cells(s), "Т СТЁ");
    EXPECT_EQ(s.Weight(1), 0);
    EXPECT_EQ(s.Col(), 2);
}

// Each letter sits on exactly one key: its plain and its shifted cap give it.
TEST(MaskGridState, EveryLetterHasOneKeyInBothShiftStates) {
    const std::string plain = "`qwertyuiop[]asdfghjkl;'zxcvbnm,.";
    const std::string shifted = "~QWERTYUIOP{}ASDFGHJKL:\"ZXCVBNM<>";
    std::set<char> letters;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const char letter = ui::RussianKeyLetter(plain[i]);
        EXPECT_EQ(ui::RussianKeyLetter(shifted[i]), letter) << plain[i];
        EXPECT_TRUE(IsUpperRussian(letter)) << plain[i];
        letters.insert(letter);
    }
    EXPECT_EQ(letters.size(), Alphabet.size());
    EXPECT_EQ(U(std::string{ui::RussianKeyLetter('f'), ui::RussianKeyLetter('`'), ui::RussianKeyLetter('\''),
                            ui::RussianKeyLetter('.')}),
              "АЁЭЮ");
}

TEST(MaskGridState, BackspaceRemovesTheCellBeforeOrBlanksAtTheShortestLength) {
    MaskGridState s = Grid("КОТ", 2);
    MaskGridState::KeyResult r = s.KeyDown(GridKey::Backspace);
    EXPECT_EQ(Cells(s), "КТ");
    EXPECT_EQ(s.Col(), 1);
    EXPECT_EQ(r.key, GridKey::Delete);
    EXPECT_FALSE(r.swallowed);

    r = s.KeyDown(GridKey::Backspace);   // N = 2: the first cell blanked and current
    EXPECT_EQ(Cells(s), " Т");
    EXPECT_EQ(s.Col(), 0);
    EXPECT_EQ(r.key, GridKey::Backspace);

    r = s.KeyDown(GridKey::Backspace);   // column 0: nothing
    EXPECT_EQ(Cells(s), " Т");
    EXPECT_FALSE(r.changed);

    MaskGridState first = Grid("КОТЫ", 0);
    first.KeyDown(GridKey::Backspace);
    EXPECT_EQ(Cells(first), "КОТЫ");
}

TEST(MaskGridState, DeleteMovesTheFollowingLettersLeftAndShortens) {
    MaskGridState s = Grid("ПАРОХО", 2);
    s.KeyDown(GridKey::Delete);
    EXPECT_EQ(Cells(s), "ПАОХО");
    EXPECT_EQ(s.Col(), 2);

    s.SetCol(4);   // the last cell: it goes and the new last one is current
    s.KeyDown(GridKey::Delete);
    EXPECT_EQ(Cells(s), "ПАОХ");
    EXPECT_EQ(s.Col(), 3);

    MaskGridState two = Grid("ДА", 0);   // N = 2: blanks instead of shortening
    two.KeyDown(GridKey::Delete);
    EXPECT_EQ(Cells(two), "А ");
    EXPECT_EQ(two.Col(), 0);
    two = Grid("ДА", 1);
    two.KeyDown(GridKey::Delete);
    EXPECT_EQ(Cells(two), "Д ");
    EXPECT_EQ(two.Col(), 1);
}

TEST(MaskGridState, InsertOpensABlankAtTheCurrentCellAndLosesTheLastLetterAtTheLimit) {
    MaskGridState s = Grid("КОТ", 1);
    const MaskGridState::KeyResult r = s.KeyDown(GridKey::Insert);
    EXPECT_EQ(Cells(s), "К ОТ");
    EXPECT_EQ(s.Col(), 1);
    EXPECT_TRUE(r.plusStep);
    EXPECT_FALSE(r.swallowed);

    MaskGridState full = Grid("АБВГДЕЖЗИЙКЛМНОПРСТУФХ", 0);
    full.KeyDown(GridKey::Insert);
    EXPECT_EQ(Cells(full), " АБВГДЕЖЗИЙКЛМНОПРСТУФ");
    EXPECT_EQ(full.Col(), 0);
}

TEST(MaskGridState, PlusAndMinusStepOnceWithinTwoToTwentyTwoAndAreSwallowed) {
    MaskGridState s = Grid("АБВ", 2);
    MaskGridState::KeyResult r = s.KeyDown(GridKey::Minus);
    EXPECT_TRUE(r.swallowed && r.minusStep && !r.plusStep);
    EXPECT_EQ(Cells(s), "АБ");
    EXPECT_EQ(s.Col(), 1);   // the current cell stays inside
    s.KeyDown(GridKey::Minus);
    EXPECT_EQ(s.Length(), 2);

    r = s.KeyDown(GridKey::Plus);
    EXPECT_TRUE(r.swallowed && r.plusStep && !r.minusStep);
    EXPECT_EQ(Cells(s), "АБ ");   // a letter dropped by shortening does not come back
    while (s.Length() < MaskGridState::MaxLength) s.KeyDown(GridKey::Plus);
    s.KeyDown(GridKey::Plus);
    s.KeyDown(GridKey::Insert);
    EXPECT_EQ(s.Length(), 22);

    EXPECT_FALSE(s.KeyDown(GridKey::Other).changed);
}

TEST(MaskGridState, ClearBlanksEveryCellAndKeepsLengthAndCurrentCell) {
    MaskGridState s = Grid("КОТЫ", 2);
    s.Clear();
    EXPECT_EQ(Cells(s), "    ");
    EXPECT_EQ(s.Col(), 2);
}

}  // namespace
}  // namespace vellumar::test
