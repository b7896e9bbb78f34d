#pragma once
// A look that several windows give their labels.

#include <QFont>
#include <QWidget>

namespace vellumar::ui {

inline void SetBold(QWidget* widget, bool bold) {
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

}  // namespace vellumar::ui
