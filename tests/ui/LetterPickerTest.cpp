// The letter picker: opened by a right click on a mask cell, it writes the
// chosen letter into that cell and closes; Esc and a click elsewhere close it
// without a change.

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "tests/ui/SideWindowSupport.h"
#include "ui/MaskGrid.h"
#include "ui/uLetter.h"

namespace vellumar::test {
namespace {

constexpr int kCellK = 11;   // К is the 12th letter

class LetterPicker : public SideWindowTest {
protected:
    void SetUp() override { Open(); }
    ui::MaskGrid* grid() { return w().Grid; }
    ui::TfmLetters* picker() { return ui::fmLetters; }
    QWidget* cells() { return picker()->sgLetters; }
    QPoint pickerCell(int cell) { return picker()->sgLetters->CellRect(cell).center(); }
    void RightClickCell(int column) { ClickAt(grid(), Qt::RightButton, grid()->CellRect(column).center()); }
};

TEST_F(LetterPicker, ChosenLetterGoesIntoTheRightClickedCellWhichStaysCurrent) {
    grid()->State().SetCell(0, W("А"));
    w().RefreshMaskWeights();
    RightClickCell(2);
    ASSERT_TRUE(picker()->isVisible());
    EXPECT_EQ(picker()->geometry(), QRect(grid()->mapToGlobal(grid()->CellRect(2).center()), QSize(126, 148)));
    MoveTo(cells(), pickerCell(kCellK));
    ClickAt(cells(), Qt::LeftButton, pickerCell(kCellK));
    EXPECT_FALSE(picker()->isVisible());
    EXPECT_EQ(grid()->State().Cell(2), W("К"));
    EXPECT_EQ(w().WeightLabel[3]->text(), QStringLiteral("12"));
    EXPECT_EQ(w().lMas->text(), QStringLiteral("13"));
    EXPECT_EQ(grid()->State().Col(), 2);

    // Opened again, К is still highlighted, and the release of the right
    // click that opened it chooses nothing.
    RightClickCell(4);
    ASSERT_TRUE(picker()->isVisible());
    EXPECT_EQ(picker()->sgLetters->Current(), kCellK);
    EXPECT_EQ(grid()->State().Cell(4), "");
    QTest::keyClick(cells(), Qt::Key_Return);
    EXPECT_EQ(grid()->State().Cell(4), W("К"));
    EXPECT_EQ(w().lMas->text(), QStringLiteral("25"));
}

TEST_F(LetterPicker, CloseAndBlankCellsBlankTheCellFromTheKeyboard) {
    // The arrows stop at the edges: down and right far enough reach the close
    // cell, one left from there the blank cell.
    for (const int left : {0, 1}) {
        grid()->State().SetCell(1, W("Я"));
        w().RefreshMaskWeights();
        RightClickCell(1);
        for (int i = 0; i < 7; ++i) QTest::keyClick(cells(), Qt::Key_Down);
        for (int i = 0; i < 5; ++i) QTest::keyClick(cells(), Qt::Key_Right);
        if (left) QTest::keyClick(cells(), Qt::Key_Left);
        ASSERT_EQ(picker()->sgLetters->Current(), ui::TfmLetters::CloseCell - left);
        QTest::keyClick(cells(), Qt::Key_Space);
        EXPECT_FALSE(picker()->isVisible());
        EXPECT_EQ(grid()->State().Cell(1), " ");
        EXPECT_EQ(w().WeightLabel[2]->text(), QStringLiteral("0"));
        EXPECT_EQ(w().lMas->text(), QStringLiteral("0"));
    }
}

TEST_F(LetterPicker, EscAndAClickOutsideCloseWithoutAChange) {
    RightClickCell(3);
    MoveTo(cells(), pickerCell(kCellK));
    QTest::keyClick(cells(), Qt::Key_Escape);
    EXPECT_FALSE(picker()->isVisible());
    RightClickCell(3);
    ASSERT_TRUE(picker()->isVisible());
    ClickAt(w().btClear, Qt::LeftButton, {2, 2});   // far from the picker
    EXPECT_FALSE(picker()->isVisible());
    EXPECT_EQ(grid()->State().Cell(3), "");
    EXPECT_EQ(w().lMas->text(), QStringLiteral("0"));
}

TEST_F(LetterPicker, HoverTextsNameTheLetterItsKindAndWeight) {
    RightClickCell(0);
    const std::pair<int, const char*> hints[] = {{6, "Ё - гласная буква. Вес = 7"},
                                                 {27, "Ъ - согласная буква. Вес = 28"},
                                                 {ui::TfmLetters::CloseCell, "Закрыть"},
                                                 {ui::TfmLetters::BlankCell, "Пробел"}};
    for (const auto& [cell, hint] : hints) {
        MoveTo(cells(), pickerCell(cell));
        EXPECT_EQ(picker()->sgLetters->Current(), cell);
        EXPECT_EQ(cells()->toolTip(), Q(hint));
    }
    MoveTo(cells(), {25, 21});   // a crossing of the lines: the highlight stays
    EXPECT_EQ(picker()->sgLetters->Current(), ui::TfmLetters::BlankCell);
}

TEST_F(LetterPicker, StaysInsideTheScreenNearItsEdge) {
    const QRect area = w().screen()->availableGeometry();
    picker()->Popup(area.bottomRight());
    EXPECT_EQ(picker()->frameGeometry().bottomRight(), area.bottomRight());
    picker()->hide();
}

}  // namespace
}  // namespace vellumar::test
