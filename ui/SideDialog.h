#pragma once
// What the side windows (settings, add-words, statistics, about box) share: a
// dialog with a fixed border that stands in the middle of the screen whenever
// it is shown. Each is made once at start and only shown and hidden after.

#include <QDialog>

#include "ui/ControlNames.h"

namespace vellumar::ui {

// Names a control of a side window and puts it at its place.
template <typename T>
T* Placed(T* widget, const char* name, QRect geometry) {
    NameControl(widget, name);
    widget->setGeometry(geometry);
    return widget;
}

class SideDialog : public QDialog {
    Q_OBJECT
public:
    SideDialog(QWidget* parent, const QString& caption);

    void setVisible(bool visible) override;
};

}  // namespace vellumar::ui
