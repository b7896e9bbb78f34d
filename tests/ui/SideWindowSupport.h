#pragma once
// Helpers for the side windows' tests.
//
// Modal windows are shown with exec() as in the program; the test acts on
// them from inside their event loop, and whatever is still open afterwards is
// closed, so no test ever waits on a modal window.
//
// Mouse events go through the widget's window, as the window system sends
// them, so that an open popup sees them first (QTest's widget overloads hand
// them to the widget directly).

#include <gtest/gtest.h>

#include <QPoint>

#include <functional>
#include <memory>

#include "tests/ui/UiTestSupport.h"

namespace vellumar::test {

// Runs `open`, which should show a window modally; once it is up, runs `act`
// on it and then closes it unless `act` did. Returns the modal window seen.
QWidget* WhileModal(const std::function<void()>& open, const std::function<void(QWidget* modal)>& act = {});

void ClickAt(QWidget* widget, Qt::MouseButton button, QPoint point);
void MoveTo(QWidget* widget, QPoint point);

using SideWindowTest = WindowTest;

}  // namespace vellumar::test
