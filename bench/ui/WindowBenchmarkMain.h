#pragma once
// The main() of a window benchmark: a QApplication (offscreen unless a
// platform is asked for), the windows made over the bundled dictionaries and
// the main window shown and active, then the registered benchmarks.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/ProgramDirectory.h"
#include "ui/Forms.h"
#include "ui/uMain.h"

namespace vellumar::bench {

inline int RunWindowBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetProgramDirectory(VELLUMAR_BIN_DIR);
    ui::CreateForms();
    ui::fmMain->show();
    ui::fmMain->activateWindow();
    QCoreApplication::processEvents();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ui::DestroyForms();
    return 0;
}

}  // namespace vellumar::bench
