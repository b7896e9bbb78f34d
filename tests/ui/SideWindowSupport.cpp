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
        if (!modal) return;
        if (act) act(modal);
        if (modal && modal->isVisible()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal.data()))
                dialog->reject();
            else
                modal->close();
        }
    });
    open();
    // Nothing modal came up: let the pending check run now, not in a later test.
    while (!fired) QApplication::processEvents();
    return seen;
}

bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

namespace {

QWindow* WindowOf(QWidget* widget, QPoint point, QPoint& inWindow) {
    QWindow* window = widget->window()->windowHandle();
    inWindow = window->mapFromGlobal(widget->mapToGlobal(point));
    return window;
}

}  // namespace

void PressAt(QWidget* widget, Qt::MouseButton button, QPoint point) {
    QPoint at;
    QWindow* window = WindowOf(widget, point, at);
    QTest::mousePress(window, button, {}, at);
}

void ReleaseAt(QWidget* widget, Qt::MouseButton button, QPoint point) {
    QPoint at;
    QWindow* window = WindowOf(widget, point, at);
    QTest::mouseRelease(window, button, {}, at);
}

void ClickAt(QWidget* widget, Qt::MouseButton button, QPoint point) {
    PressAt(widget, button, point);
    ReleaseAt(widget, button, point);
}

void MoveTo(QWidget* widget, QPoint point) {
    QPoint at;
    QWindow* window = WindowOf(widget, point, at);
    QTest::mouseMove(window, at);
}

}  // namespace vellumar::test
