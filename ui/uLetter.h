#pragma once
// The letter picker: a borderless popup of the 33 letters, a blank cell and a
// close cell, opened at the pointer by a right click on the mask grid. The
// chosen cell goes into the grid's current cell; a click elsewhere, Esc or
// another window taking over closes it without a change.

#include <QWidget>

#include <array>
#include <string>

class QPainter;

namespace vellumar::ui {

class TfmMain;

// The picker's string grid: 5 × 7 cells with one-pixel lines between them and
// a current cell that the pointer and the arrow keys move. Its owner draws the
// cells and handles the pointer and the other keys.
class LetterGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int ColCount = 5;
    static constexpr int RowCount = 7;
    static constexpr int ColWidth = 24;
    static constexpr int RowHeight = 20;

    explicit LetterGrid(QWidget* parent);

    // Cells are numbered 0..34 along the rows; their texts are cp1251.
    const std::string& Cell(int cell) const { return cells_[static_cast<std::size_t>(cell)]; }
    void SetCell(int cell, std::string text) { cells_[static_cast<std::size_t>(cell)] = std::move(text); }
    int Current() const { return current_; }
    void SetCurrent(int cell);

    QRect CellRect(int cell) const;
    // The cell under a point of the widget, or -1.
    int CellAt(QPoint point) const;
    // (ColWidth + 1) × 5 + 1 by (RowHeight + 1) × 7 + 1.
    static QSize FullSize();

Q_SIGNALS:
    void drawCell(QPainter* painter, int cell, QRect rect, bool focused);
    void mouseMove(QPoint position);
    void mouseDown(Qt::MouseButton button);
    void mouseUp(Qt::MouseButton button);
    void keyPress(int key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::array<std::string, ColCount * RowCount> cells_;
    int current_ = 0;
};

class TfmLetters : public QWidget {
    Q_OBJECT
public:
    static constexpr int BlankCell = 33;
    static constexpr int CloseCell = 34;

    explicit TfmLetters(TfmMain* main);

    LetterGrid* sgLetters = nullptr;
    // Set by any button pressed on the grid in this showing; a release
    // chooses only after one.
    bool PickerPressed = false;

    // Shows the picker with its top-left corner at `globalPosition`, moved
    // inside the screen when the pointer is near an edge.
    void Popup(QPoint globalPosition);
    // Writes the current cell into the mask grid's current cell and closes.
    void ChooseLetter();
    // The hover text of a cell: «А - гласная буква. Вес = 1», "Пробел", "Закрыть".
    static QString CellHint(int cell);

public Q_SLOTS:
    void FormCreate();
    void FormShow();
    void FormDeactivate();
    void sgDrawCell(QPainter* painter, int cell, QRect rect, bool focused);
    void sgLettersMouseMove(QPoint position);
    void sgLettersMouseDown(Qt::MouseButton button);
    void sgLettersMouseUp(Qt::MouseButton button);
    void sgLettersKeyPress(int key);

protected:
    void showEvent(QShowEvent* event) override;

private:
    TfmMain* main_;
};

}  // namespace vellumar::ui
