#pragma once
// What a handler shows when the work it started fails, so that no exception
// leaves a slot: running out of memory as the system's two lines, anything
// else by its message.

#include <QString>

#include <exception>
#include <new>
#include <string>

#include "app/AppMessages.h"
#include "ui/Services.h"

namespace vellumar::ui {

inline void ShowFailure(QWidget* parent, const std::exception& e) {
    if (dynamic_cast<const std::bad_alloc*>(&e))
        ShowCp1251Message(parent, texts::OutOfMemory);
    else
        AppServices().message(parent, QString::fromUtf8(e.what()));
}

}  // namespace vellumar::ui
