#pragma once
// The busy pointer for the whole application while an object of this class
// lives; restored however the scope is left, an exception included.

#include <QApplication>
#include <QCursor>

namespace vellumar::ui {

class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace vellumar::ui
