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

void MaskGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));   // the lines between cells
    for (int c = 0; c < state_.Length(); ++c) DrawCell(painter, c);
}

// GridDrawCell: blue on white, white on blue for the current cell while the
// grid has the focus; the letter centred, two pixels up.
void MaskGrid::DrawCell(QPainter& painter, int column) {
    const QRect r = CellRect(column);
    const bool focused = column == state_.Col() && hasFocus();
    const QColor blue(0, 0, 255);
    painter.fillRect(r, focused ? blue : QColor(Qt::white));
    const QString text = FromCp1251(state_.Cell(column));
    if (text.isEmpty()) return;
    QFont font(face_);
    font.setPixelSize(height() * 3 / 4);
    painter.setFont(font);
    painter.setPen(focused ? QColor(Qt::white) : blue);
    const QFontMetrics metrics(font);
    const int left = r.left(), right = r.right() + 1, top = r.top(), bottom = r.bottom() + 1;
    const int x = (left + right) / 2 - metrics.horizontalAdvance(text) / 2;
    const int y = (top + bottom) / 2 - metrics.height() / 2 - 2;
    painter.drawText(x, y + metrics.ascent(), text);
}

void MaskGrid::keyPressEvent(QKeyEvent* event) {
    int key = event->key();
    Q_EMIT keyDown(&key);
    switch (key) {
        case Qt::Key_Left: state_.SetCol(state_.Col() - 1); break;
        case Qt::Key_Right: state_.SetCol(state_.Col() + 1); break;
        case Qt::Key_Home: state_.SetCol(0); break;
        case Qt::Key_End: state_.SetCol(state_.Length() - 1); break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->ignore();   // the window's default button takes it
            return;
        default: break;
    }
    const QString text = event->text();
    if (!text.isEmpty() && key != Qt::Key_Return && key != Qt::Key_Enter) Q_EMIT keyPress(text);
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
