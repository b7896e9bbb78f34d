// The mask grid in the main window through real key and mouse events: the
// labels that follow the cells, the "+" and "-" panels, clearing, the weight
// filter's controls and the cells' look.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>

#include "tests/common/Cp1251.h"
#include "tests/ui/MaskCells.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/MaskGrid.h"
#include "ui/Panel.h"
#include "ui/UpDown.h"

namespace vellumar::test {
namespace {

class MaskGridTest : public WindowTest {
protected:
    void SetUp() override {
        Open();
        grid()->setFocus();
    }
    ui::MaskGrid* grid() const { return w().Grid; }
    int n() const { return grid()->State().Length(); }
    std::string Cells() const { return CellsText(grid()->State()); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, int times = 1) {
        for (int i = 0; i < times; ++i) QTest::keyClick(grid(), key, modifiers);
    }

    // Labels shown for the N columns only, each weight label its cell's
    // weight, lMas their sum, lLen N, the grid N cells wide; the bold
    // position label `bold`.
    void ExpectConsistent(int bold) const {
        int sum = 0;
        for (int i = 1; i <= 22; ++i) {
            const QLabel* pos = w().PosLabel[static_cast<std::size_t>(i)];
            const QLabel* weight = w().WeightLabel[static_cast<std::size_t>(i)];
            EXPECT_EQ(pos->isVisible() && weight->isVisible(), i <= n()) << i;
            EXPECT_EQ(pos->font().bold(), i == bold) << i;
            if (i > n()) continue;
            EXPECT_EQ(weight->text().toInt(), grid()->State().Weight(i - 1)) << i;
            sum += grid()->State().Weight(i - 1);
        }
        EXPECT_EQ(w().lMas->text().toInt(), sum);
        EXPECT_EQ(w().lLen->text().toInt(), n());
        EXPECT_EQ(grid()->width(), n() * 21 + 1);
    }
};

TEST_F(MaskGridTest, TypedLettersShowTheirWeightsAndClearingBlanksThem) {
    QTest::keyClicks(grid(), QStringLiteral("ntcn"));
    EXPECT_EQ(Cells(), "ТЕСТ.");
    EXPECT_EQ(w().WeightLabel[2]->text(), "6");
    EXPECT_EQ(w().lMas->text(), "65");
    ExpectConsistent(5);
    QTest::mouseClick(w().btClear, Qt::LeftButton);
    EXPECT_EQ(Cells(), "     ");
    QTest::mouseClick(grid(), Qt::LeftButton, {}, QPoint(grid()->CellRect(1).left() - 1, 10));   // a grid line
    EXPECT_EQ(grid()->State().Col(), 4);
    // Last: the right button opens the letter picker, which takes the mouse.
    QTest::mouseClick(grid(), Qt::RightButton, {}, grid()->CellRect(3).center());
    EXPECT_EQ(grid()->State().Col(), 3);
    ExpectConsistent(4);
}

TEST_F(MaskGridTest, EditingKeysKeepTheLabelsRightAtTwoAndTwentyTwoLetters) {
    Key(Qt::Key_Minus, {}, 2);
    Key(Qt::Key_Underscore, Qt::ShiftModifier);   // both keyboards' minus keys
    Key(Qt::Key_Minus, Qt::KeypadModifier);
    QTest::keyClicks(grid(), QStringLiteral("rj"));   // КО
    Key(Qt::Key_Backspace);   // N = 2: the first cell blanked and current
    Key(Qt::Key_Delete);      // the second letter moves up
    EXPECT_EQ(Cells(), "О ");
    ExpectConsistent(1);

    Key(Qt::Key_Plus, Qt::ShiftModifier);
    Key(Qt::Key_Equal, {}, 10);
    Key(Qt::Key_Plus, Qt::KeypadModifier, 10);
    Key(Qt::Key_End);
    Key(Qt::Key_Y);           // Н in the 22nd cell falls off at an Insert
    Key(Qt::Key_Home);
    Key(Qt::Key_Insert);
    EXPECT_EQ(n(), 22);
    EXPECT_TRUE(Cells().starts_with(" О ")) << Cells();
    EXPECT_EQ(w().lMas->text(), "16");
    ExpectConsistent(1);

    Key(Qt::Key_End);
    Key(Qt::Key_Backspace);   // removes the cell before
    EXPECT_EQ(n(), 21);
    ExpectConsistent(21);
}

TEST_F(MaskGridTest, AQuickClickOnAPanelStepsOnce) {
    QTest::mouseClick(w().pnPlus, Qt::LeftButton);
    EXPECT_EQ(Cells(), "..... ");
    ExpectConsistent(1);
    Key(Qt::Key_End);
    Key(Qt::Key_F);   // А in the last cell no longer counts once it is dropped
    QTest::mouseClick(w().pnMinus, Qt::LeftButton);
    EXPECT_EQ(n(), 5);
    EXPECT_EQ(w().lMas->text(), "0");
}

// Real ticks: two steps take at least two intervals of 100 ms (a coarse timer
// may come 5 % early), and the release adds none.
TEST_F(MaskGridTest, HoldingPlusStepsEveryHundredMillisecondsUntilTheRelease) {
    const QPoint at = w().pnPlus->pos();
    QElapsedTimer clock;
    clock.start();
    QTest::mousePress(w().pnPlus, Qt::LeftButton);
    EXPECT_EQ(w().pnPlus->pos(), at + QPoint(1, 1));
    EXPECT_EQ(w().Timer2->interval(), 100);
    while (n() < 7 && clock.elapsed() < 5000) QTest::qWait(5);
    EXPECT_GE(clock.elapsed(), 190);
    const int held = n();
    QTest::mouseRelease(w().pnPlus, Qt::LeftButton, {}, QPoint(300, 100));   // away from the panel
    EXPECT_EQ(n(), held);
    EXPECT_FALSE(w().Timer1->isActive());
    EXPECT_EQ(w().Timer1->interval(), 500);
    EXPECT_EQ(w().pnPlus->pos(), at);
}

TEST_F(MaskGridTest, TheWeightFilterFollowsItsTickAndItsArrowsStayWithinTheRange) {
    QTest::keyClick(w().cMass, Qt::Key_Space);
    EXPECT_TRUE(w().cbMass->isEnabled() && w().edMass->isEnabled() && w().udMass->isEnabled());
    const std::pair<int, const char*> hints[] = {{2, "больше или равным"}, {1, "меньше или равным"}, {0, "равным"}};
    for (const auto& [index, hint] : hints) {
        w().cbMass->setCurrentIndex(index);
        EXPECT_EQ(w().cbMass->toolTip(), Q(hint));
    }
    w().edMass->setText(QStringLiteral("1998"));
    for (int i = 0; i < 2; ++i) QTest::mouseClick(w().udMass->UpButton(), Qt::LeftButton);
    EXPECT_EQ(w().edMass->text(), "1999");
    w().edMass->setText(QStringLiteral("3"));
    for (int i = 0; i < 2; ++i) QTest::keyClick(w().edMass, Qt::Key_Down);
    EXPECT_EQ(w().edMass->text(), "2");
    QTest::keyClick(w().cMass, Qt::Key_Space);
    EXPECT_FALSE(w().udMass->isEnabled());
}

// White on blue for the current cell while the grid has the focus; the
// letter centred across its cell.
TEST_F(MaskGridTest, TheCurrentCellIsWhiteOnBlueWhileTheGridHasTheFocus) {
    QTest::keyClicks(grid(), QStringLiteral("nn"));
    Key(Qt::Key_Left);
    const QRgb blue = qRgb(0, 0, 255), white = qRgb(255, 255, 255);
    const QRect first = grid()->CellRect(0), second = grid()->CellRect(1);
    const QImage image = grid()->grab().toImage();
    EXPECT_EQ(image.pixel(second.topLeft()), blue);
    QRect ink;
    for (int y = first.top(); y <= first.bottom(); ++y)
        for (int x = first.left(); x <= first.right(); ++x)
            if (image.pixel(x, y) != white) ink |= QRect(x, y, 1, 1);
    EXPECT_LE(std::abs(ink.left() + ink.right() - first.left() - first.right()), 2);
    EXPECT_GE(ink.height(), 10);
    w().btClear->setFocus();
    EXPECT_EQ(grid()->grab().toImage().pixel(second.topLeft()), white);
}

// What a screen reader finds: a table of one row named "Grid", a cell per
// letter named by it, the current cell selected, and focused with the grid.
TEST_F(MaskGridTest, AssistiveTechnologyReadsTheGridAsATableOfLetters) {
    QTest::keyClicks(grid(), QStringLiteral("r n"));   // К, a blank, Т; the fourth cell current
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid());
    ASSERT_TRUE(table && table->tableInterface());
    QAccessibleTableInterface* cells = table->tableInterface();
    const auto names = [cells] {
        QStringList out;
        for (int c = 0; c < cells->columnCount(); ++c) out << cells->cellAt(0, c)->text(QAccessible::Name);
        return out;
    };
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->text(QAccessible::Name), "Grid");
    EXPECT_EQ(cells->rowCount(), 1);
    EXPECT_EQ(names(), QStringList({Q("К"), "", Q("Т"), "", ""}));
    QAccessibleInterface* current = cells->cellAt(0, 3);
    EXPECT_TRUE(current->state().focused && current->state().selected);
    EXPECT_FALSE(cells->cellAt(0, 2)->state().focused || cells->cellAt(0, 2)->state().selected);
    EXPECT_EQ(table->focusChild(), current);
    EXPECT_EQ(cells->selectedCells(), QList<QAccessibleInterface*>{current});

    Key(Qt::Key_Plus, Qt::ShiftModifier);
    EXPECT_EQ(names(), QStringList({Q("К"), "", Q("Т"), "", "", ""}));
    Key(Qt::Key_Minus, {}, 3);
    EXPECT_EQ(cells->columnCount(), 3);
    EXPECT_EQ(table->childCount(), 3);
    EXPECT_TRUE(cells->cellAt(0, 2)->state().selected);   // the current cell stays inside
    EXPECT_EQ(cells->cellAt(0, 3), nullptr);

    w().btClear->setFocus();
    EXPECT_FALSE(cells->cellAt(0, 2)->state().focused);
    EXPECT_TRUE(cells->cellAt(0, 2)->state().selected);
}

}  // namespace
}  // namespace vellumar::test
