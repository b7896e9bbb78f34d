#include "ui/Panel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

namespace vellumar::ui {

Panel::Panel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setLineWidth(1);
    setFocusPolicy(Qt::TabFocus);
    SetLowered(false);
}

void Panel::SetLowered(bool lowered) {
    lowered_ = lowered;
    setFrameStyle(QFrame::Panel | (lowered ? QFrame::Sunken : QFrame::Raised));
    setBackgroundRole(lowered ? QPalette::Midlight : QPalette::Button);
}

void Panel::mousePressEvent(QMouseEvent* event) {
    Q_EMIT mouseDown(event->button());
}

void Panel::mouseReleaseEvent(QMouseEvent* event) {
    // The handlers may have moved the panel: test the pointer in parent terms.
    const bool over = geometry().contains(mapToParent(event->position().toPoint()));
    Q_EMIT mouseUp(event->button());
    if (over) Q_EMIT clicked();
}

void Panel::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space) return QLabel::keyPressEvent(event);
    if (!event->isAutoRepeat()) Q_EMIT mouseDown(Qt::LeftButton);
}

void Panel::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space) return QLabel::keyReleaseEvent(event);
    if (event->isAutoRepeat()) return;
    Q_EMIT mouseUp(Qt::LeftButton);
    Q_EMIT clicked();
}

void Panel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    QPen pen(palette().color(QPalette::WindowText), 1, Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
}

}  // namespace vellumar::ui
