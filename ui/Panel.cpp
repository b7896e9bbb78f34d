#include "ui/Panel.h"

#include <QMouseEvent>
#include <QPalette>

namespace vellumar::ui {

Panel::Panel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setLineWidth(1);
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

}  // namespace vellumar::ui
