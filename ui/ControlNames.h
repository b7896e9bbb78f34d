#pragma once
// How a window names its controls: the object name every control carries, and
// for a control that shows no text of its own (a list, a field, a grid, a
// gauge) the same name as its accessible name, so that screen readers and UI
// automation find it.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace vellumar::ui {

inline void NameControl(QObject* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    auto* widget = qobject_cast<QWidget*>(control);
    if (widget && !qobject_cast<QLabel*>(widget) && !qobject_cast<QAbstractButton*>(widget) &&
        !qobject_cast<QGroupBox*>(widget))
        widget->setAccessibleName(widget->objectName());
}

}  // namespace vellumar::ui
