// A letter typed into the mask grid until the grid is painted again: the key
// event, the handlers (cell, weight label, mask weight, bold label) and the
// repaint, on the offscreen platform. One frame at 60 Hz is 16.7 ms.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>

#include "bench/ui/WindowBenchmarkMain.h"
#include "app/ProgramDirectory.h"
#include "ui/Forms.h"
#include "ui/MaskGrid.h"
#include "ui/uMain.h"

namespace {

// Notes the grid's paint; the paint itself runs right after the filter, inside
// the same processEvents call.
class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return QObject::eventFilter(watched, event);
    }
};

void BM_TypeLetterUntilRepainted(benchmark::State& state) {
    vellumar::ui::TfmMain& w = *vellumar::ui::fmMain;
    vellumar::ui::MaskGrid* grid = w.Grid;
    while (grid->State().Length() < state.range(0)) w.Timer1Timer();
    while (grid->State().Length() > state.range(0)) w.Timer2Timer();
    grid->State().SetCol(grid->State().Length() - 1);   // typing stays on the last cell
    PaintWatch watch;
    grid->installEventFilter(&watch);
    QCoreApplication::processEvents();
    const char letters[] = "ntcf";
    int i = 0;
    for (auto _ : state) {
        const QString text(QChar(letters[i++ % 4]));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_N, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_N, Qt::NoModifier, text);
        watch.painted = false;
        QApplication::sendEvent(grid, &press);
        QApplication::sendEvent(grid, &release);
        while (!watch.painted) QCoreApplication::processEvents();
    }
    grid->removeEventFilter(&watch);
}
BENCHMARK(BM_TypeLetterUntilRepainted)->Arg(5)->Arg(22)->UseRealTime()->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return vellumar::bench::RunWindowBenchmarks(argc, argv); }
