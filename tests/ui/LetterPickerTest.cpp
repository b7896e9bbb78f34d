// The letter picker: opened by a right click on a mask cell, it writes the
// chosen letter into that cell and closes; Esc and a click elsewhere close it
// without a change.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "tests/ui/SideWindowSupport.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/MaskGrid.h"
#include "ui/uLetter.h"

namespace vellumar::test {
namespace {

constexpr int kCellK = 11;   // К is the 12th letter

class LetterPicker : public ::testing::Test {
protected:
    void SetUp() override {
        forms = std::make_unique<FormsScope>();
        ASSERT_TRUE(ShowActive(&w()));
    }
    void TearDown() override { forms.reset(); }
    ui::TfmMain& w() { return forms->main(); }
    ui::MaskGrid* grid() { return w().Grid; }
    ui::TfmLetters* picker() { return ui::fmLetters; }
    QPoint pickerCell(int cell) { return picker()->sgLetters->CellRect(cell).center(); }

    void RightClickCell(int column) { ClickAt(grid(), Qt::RightButton, grid()->CellRect(column).center()); }
    void ClickPickerCell(int cell) {
        MoveTo(picker()->sgLetters, pickerCell(cell));
        ClickAt(picker()->sgLetters, Qt::LeftButton, pickerCell(cell));
    }

    ProgramFolder folder;
    SeamScope seams;
    std::unique_ptr<FormsScope> forms;
};

TEST_F(LetterPicker, ChosenLetterGoesIntoTheRightClickedCellWhichStaysCurrent) {
    w().Grid->State().SetCell(0, W("А"));
    w().RefreshMaskWeights();
    RightClickCell(2);
    ASSERT_TRUE(picker()->isVisible());
    EXPECT_EQ(picker()->pos(), grid()->mapToGlobal(grid()->CellRect(2).center()));
    EXPECT_EQ(picker()->size(), QSize(126, 148));
    EXPECT_EQ(grid()->State().Col(), 2);

    ClickPickerCell(kCellK);
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
    EXPECT_NE(grid()->State().Cell(4), W("К"));
    QTest::keyClick(picker()->sgLetters, Qt::Key_Return);
    EXPECT_EQ(grid()->State().Cell(4), W("К"));
    EXPECT_EQ(w().lMas->text(), QStringLiteral("25"));
}

TEST_F(LetterPicker, BlankAndCloseCellsBlankTheCellFromTheKeyboard) {
    for (int cell : {ui::TfmLetters::BlankCell, ui::TfmLetters::CloseCell}) {
        grid()->State().SetCell(1, W("Я"));
        w().RefreshMaskWeights();
        RightClickCell(1);
        ASSERT_TRUE(picker()->isVisible());
        // From wherever the highlight is: to the top left, then down and right.
        for (int i = 0; i < 6; ++i) QTest::keyClick(picker()->sgLetters, Qt::Key_Up);
        for (int i = 0; i < 4; ++i) QTest::keyClick(picker()->sgLetters, Qt::Key_Left);
        for (int i = 0; i < 7; ++i) QTest::keyClick(picker()->sgLetters, Qt::Key_Down);   // stops at the last row
        for (int i = 0; i < cell - 30; ++i) QTest::keyClick(picker()->sgLetters, Qt::Key_Right);
        ASSERT_EQ(picker()->sgLetters->Current(), cell);
        QTest::keyClick(picker()->sgLetters, Qt::Key_Space);
        EXPECT_FALSE(picker()->isVisible());
        EXPECT_EQ(grid()->State().Cell(1), " ");
        EXPECT_EQ(w().WeightLabel[2]->text(), QStringLiteral("0"));
        EXPECT_EQ(w().lMas->text(), QStringLiteral("0"));
    }
}

TEST_F(LetterPicker, EscAndAClickOutsideCloseWithoutAChange) {
    RightClickCell(3);
    ASSERT_TRUE(picker()->isVisible());
    MoveTo(picker()->sgLetters, pickerCell(kCellK));
    QTest::keyClick(picker()->sgLetters, Qt::Key_Escape);
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
    ASSERT_TRUE(picker()->isVisible());
    const std::pair<int, const char*> cells[] = {{6, "Ё - гласная буква. Вес = 7"},
                                                 {27, "Ъ - согласная буква. Вес = 28"},
                                                 {ui::TfmLetters::CloseCell, "Закрыть"},
                                                 {ui::TfmLetters::BlankCell, "Пробел"}};
    for (const auto& [cell, hint] : cells) {
        MoveTo(picker()->sgLetters, pickerCell(cell));
        EXPECT_EQ(picker()->sgLetters->Current(), cell);
        EXPECT_EQ(picker()->sgLetters->toolTip(), Q(hint));
    }
    // Over a line between cells the highlight stays.
    MoveTo(picker()->sgLetters, {25, 21});   // a crossing of the lines
    EXPECT_EQ(picker()->sgLetters->Current(), ui::TfmLetters::BlankCell);
}

TEST_F(LetterPicker, StaysInsideTheScreenNearItsEdge) {
    const QRect area = w().screen()->availableGeometry();
    picker()->Popup(area.bottomRight());
    ASSERT_TRUE(picker()->isVisible());
    EXPECT_EQ(picker()->frameGeometry().bottomRight(), area.bottomRight());
    picker()->hide();
}

}  // namespace
}  // namespace vellumar::test
