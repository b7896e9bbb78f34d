#include "ui/MaskGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/QtText.h"

namespace vellumar::ui {

MaskGrid::MaskGrid(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    resize(WidthFor(state_.Length()), RowHeight);
}

void MaskGrid::SetFontFace(const QString& face) {
    face_ = face;
    letterFontFor_ = -1;
    update();
}

QRect MaskGrid::CellRect(int column) const {
    return QRect(1 + column * (DefaultColWidth + 1), 1, DefaultColWidth, height() - 2);
}

int MaskGrid::ColumnAt(QPoint point) const {
    for (int c = 0; c < state_.Length(); ++c)
        if (CellRect(c).contains(point)) return c;
    return -1;
}

bool MaskGrid::ShowsFocusedCell() const { return window()->focusWidget() == this; }

// The letters' font is as high as three quarters of the grid, measured as the
// whole character cell (ascent and descent), the way the cell's text height is
// measured when it is centred.
void MaskGrid::UpdateLetterFont() {
    const int target = height() * 3 / 4;
    if (letterFontFor_ == height() || target <= 0) return;
    letterFont_ = QFont(face_);
    int size = target;
    letterFont_.setPixelSize(size);
    while (size > 1 && QFontMetrics(letterFont_).height() > target) letterFont_.setPixelSize(--size);
    letterFontFor_ = height();
}

void MaskGrid::paintEvent(QPaintEvent*) {
    UpdateLetterFont();
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));   // the lines between cells
    painter.setFont(letterFont_);
    const bool focused = ShowsFocusedCell();
    for (int c = 0; c < state_.Length(); ++c) DrawCell(painter, c, focused && c == state_.Col());
}

// GridDrawCell: blue on white, white on blue for the current cell while the
// grid has the focus; the letter centred, two pixels up.
void MaskGrid::DrawCell(QPainter& painter, int column, bool focused) {
    const QRect r = CellRect(column);
    const QColor blue(0, 0, 255);
    painter.fillRect(r, focused ? blue : QColor(Qt::white));
    const QString text = FromCp1251(state_.Cell(column));
    if (text.isEmpty()) return;
    painter.setPen(focused ? QColor(Qt::white) : blue);
    const QFontMetrics metrics = painter.fontMetrics();
    const int left = r.left(), right = r.right() + 1, top = r.top(), bottom = r.bottom() + 1;
    const int x = (left + right) / 2 - metrics.horizontalAdvance(text) / 2;
    const int y = (top + bottom) / 2 - metrics.height() / 2 - 2;
    painter.drawText(x, y + metrics.ascent(), text);
}

void MaskGrid::keyPressEvent(QKeyEvent* event) {
    int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        event->ignore();   // the window's default button takes it
        return;
    }
    Q_EMIT keyDown(&key);
    switch (key) {
        case Qt::Key_Left: state_.SetCol(state_.Col() - 1); break;
        case Qt::Key_Right: state_.SetCol(state_.Col() + 1); break;
        case Qt::Key_Home: state_.SetCol(0); break;
        case Qt::Key_End: state_.SetCol(state_.Length() - 1); break;
        default: break;
    }
    // A character comes of a key without Ctrl or Alt only; those keys are the
    // menus' and the window's.
    const QString text = event->text();
    if (!text.isEmpty() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) Q_EMIT keyPress(text);
    update();
}

void MaskGrid::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    Q_EMIT keyUp(event->key());
}

void MaskGrid::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    Q_EMIT mouseDown(event->button(), event->position().toPoint());
    update();
}

void MaskGrid::focusInEvent(QFocusEvent*) { update(); }
void MaskGrid::focusOutEvent(QFocusEvent*) { update(); }

}  // namespace vellumar::ui
