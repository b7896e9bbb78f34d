#pragma once
// The mask grid widget: one row of letter cells drawn from a MaskGridState.
// It keeps the toolkit's own meaning of the navigation keys (Left, Right,
// Home, End; Tab moves the focus on) and hands everything else to the main
// window's handlers through its signals; Enter is left to the window.

#include <QAccessible>
#include <QFont>
#include <QWidget>

#include "ui/MaskGridState.h"

namespace vellumar::ui {

class MaskGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int DefaultColWidth = 20;
    static constexpr int RowHeight = 30;

    explicit MaskGrid(QWidget* parent = nullptr);

    MaskGridState& State() { return state_; }
    const MaskGridState& State() const { return state_; }

    // The face of the letters' font (the height follows the grid's height).
    QString FontFace() const { return face_; }
    void SetFontFace(const QString& face);

    // Width for N columns: each cell and its one-pixel line, plus one.
    static int WidthFor(int columns) { return columns * (DefaultColWidth + 1) + 1; }
    // The column under a point of the widget, or -1.
    int ColumnAt(QPoint point) const;
    QRect CellRect(int column) const;
    // The current cell is drawn white on blue while the grid is the main
    // window's focused control.
    bool ShowsFocusedCell() const;

    // Call after changing State() from outside: repaints the grid and tells
    // assistive technology which cells, which length and which current cell
    // changed since the last call.
    void StateChanged();

Q_SIGNALS:
    // A key went down; a handler may change `*key` (0 swallows it) before the
    // grid's own navigation sees it.
    void keyDown(int* key);
    // A character was typed; the grid itself never takes it.
    void keyPress(QString text);
    void keyUp(int key);
    void mouseDown(Qt::MouseButton button, QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void DrawCell(QPainter& painter, int column, bool focused);
    void UpdateLetterFont();
    void AnnounceChanges();
    void AnnounceCell(int column, QAccessible::Event type);

    MaskGridState state_;
    MaskGridState announced_;   // the state assistive technology was last told of
    QString face_;
    QFont letterFont_;
    int letterFontFor_ = -1;   // the grid height letterFont_ was made for
};

}  // namespace vellumar::ui
