#pragma once
// Helpers for the side windows' tests.
//
// Modal windows: the window is shown with exec() as in the program, the test
// acts on it from inside its event loop, and whatever is still open afterwards
// is closed, so no test ever waits on a modal window.
//
// Mouse: events sent through the widget's window, as the window system sends
// them, so that an open popup sees them first (QTest's widget overloads hand
// them to the widget directly).

#include <QPoint>

#include <functional>

class QWidget;

namespace vellumar::test {

// Runs `open`, which is expected to show a window modally; once it is up,
// runs `act` on it and then closes it unless `act` did. Returns the modal
// window that was seen (nullptr when none came up).
QWidget* WhileModal(const std::function<void()>& open, const std::function<void(QWidget* modal)>& act = {});

// Shows the window and waits until it is the active one; false if it never is.
bool ShowActive(QWidget* window);

void PressAt(QWidget* widget, Qt::MouseButton button, QPoint point);
void ReleaseAt(QWidget* widget, Qt::MouseButton button, QPoint point);
void ClickAt(QWidget* widget, Qt::MouseButton button, QPoint point);
void MoveTo(QWidget* widget, QPoint point);

}  // namespace vellumar::test
