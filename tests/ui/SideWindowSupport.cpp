#include "tests/ui/SideWindowSupport.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace vellumar::test {

QWidget* WhileModal(const std::function<void()>& open, const std::function<void(QWidget* modal)>& act) {
    QWidget* seen = nullptr;
    bool fired = false;
    QTimer::singleShot(0, qApp, [&] {
        fired = true;
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        seen = modal.data();
        if (modal && act) act(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal.data()); dialog && dialog->isVisible()) dialog->reject();
    });
    open();
    // Nothing modal came up: let the pending check run now, not in a later test.
    while (!fired) QApplication::processEvents();
    return seen;
}

namespace {

// `point` of the widget in its window's terms.
QPoint InWindow(QWidget* widget, QPoint point) {
    return widget->window()->windowHandle()->mapFromGlobal(widget->mapToGlobal(point));
}

}  // namespace

void ClickAt(QWidget* widget, Qt::MouseButton button, QPoint point) {
    QTest::mousePress(widget->window()->windowHandle(), button, {}, InWindow(widget, point));
    QTest::mouseRelease(widget->window()->windowHandle(), button, {}, InWindow(widget, point));
}

void MoveTo(QWidget* widget, QPoint point) { QTest::mouseMove(widget->window()->windowHandle(), InWindow(widget, point)); }

}  // namespace vellumar::test
