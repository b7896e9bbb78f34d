#include "ui/MaskGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

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

void MaskGrid::StateChanged() {
    AnnounceChanges();
    update();
}

// The table's columns are the word's letters: a longer or shorter word adds or
// removes columns at the end; a cell whose letter changed is renamed; the
// selection (and, with the focus, the focus) follows the current cell.
void MaskGrid::AnnounceChanges() {
    if (!QAccessible::isActive()) {   // nobody listens: keep typing cheap
        announced_ = state_;
        return;
    }
    const int was = announced_.Length(), now = state_.Length();
    if (now != was) {
        QAccessibleTableModelChangeEvent change(this, now > was ? QAccessibleTableModelChangeEvent::ColumnsInserted
                                                                : QAccessibleTableModelChangeEvent::ColumnsRemoved);
        change.setFirstRow(0);
        change.setLastRow(0);
        change.setFirstColumn(std::min(was, now));
        change.setLastColumn(std::max(was, now) - 1);
        QAccessible::updateAccessibility(&change);
    }
    // "" (never written) and " " both read as an empty name.
    const auto named = [](const std::string& cell) { return cell.find_first_not_of(' ') != std::string::npos; };
    for (int c = 0; c < std::min(was, now); ++c)
        if (announced_.Cell(c) != state_.Cell(c) && (named(announced_.Cell(c)) || named(state_.Cell(c))))
            AnnounceCell(c, QAccessible::NameChanged);
    if (state_.Col() != announced_.Col()) {
        AnnounceCell(state_.Col(), QAccessible::Selection);
        if (hasFocus()) AnnounceCell(state_.Col(), QAccessible::Focus);
    }
    announced_ = state_;
}

void MaskGrid::AnnounceCell(int column, QAccessible::Event type) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent event(this, type);
    event.setChild(column);
    QAccessible::updateAccessibility(&event);
}

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
    StateChanged();
}

void MaskGrid::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    Q_EMIT keyUp(event->key());
}

void MaskGrid::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    Q_EMIT mouseDown(event->button(), event->position().toPoint());
    StateChanged();
}

// Assistive technology hears of the grid's focus, then of the cell inside it.
void MaskGrid::focusInEvent(QFocusEvent*) {
    AnnounceCell(state_.Col(), QAccessible::Focus);
    update();
}
void MaskGrid::focusOutEvent(QFocusEvent*) { update(); }

}  // namespace vellumar::ui
