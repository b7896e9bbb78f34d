// The side windows' two timed paths, with the bundled dictionaries:
// - statistics: a press of "Собрать" until the 55 labels are filled (a fresh
//   window each time, since a window gathers only once);
// - the letter picker: a right click on a mask cell until the picker has been
//   painted. One frame at 60 Hz is 16.7 ms.
// Offscreen by default; QT_QPA_PLATFORM=xcb under a virtual X server for the
// whole way through the X server.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "bench/ui/WindowBenchmarkMain.h"
#include "app/ProgramDirectory.h"
#include "ui/Forms.h"
#include "ui/MaskGrid.h"
#include "ui/uLetter.h"
#include "ui/uMain.h"
#include "ui/uStat.h"

namespace {

void BM_StatisticsGather(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto* window = new vellumar::ui::TfmStat(vellumar::ui::fmMain);
        window->show();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        window->btStart->click();
        state.PauseTiming();
        if (!window->LengthLabels[23]->text().contains(QStringLiteral("шт."))) state.SkipWithError("labels not filled");
        state.counters["words"] = static_cast<double>(window->Counts().LengthTotal());
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StatisticsGather)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// Notes the end of the picker's first paint: a queued call runs only after the
// paint event (and the flush that follows it) is done.
class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(this, [this] { painted = true; }, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
};

void BM_PickerRightClickToPainted(benchmark::State& state) {
    vellumar::ui::TfmMain& w = *vellumar::ui::fmMain;
    vellumar::ui::MaskGrid* grid = w.Grid;
    vellumar::ui::TfmLetters* picker = vellumar::ui::fmLetters;
    PaintWatch watch;
    picker->sgLetters->installEventFilter(&watch);
    const QPoint at = grid->CellRect(2).center();
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        watch.painted = false;
        QMouseEvent press(QEvent::MouseButtonPress, at, grid->mapToGlobal(at), Qt::RightButton, Qt::RightButton,
                          Qt::NoModifier);
        QApplication::sendEvent(grid, &press);
        while (!watch.painted && timer.elapsed() < 1000) QCoreApplication::processEvents();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        if (!watch.painted) state.SkipWithError("the picker was not painted");
        state.PauseTiming();
        picker->hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    picker->sgLetters->removeEventFilter(&watch);
}
BENCHMARK(BM_PickerRightClickToPainted)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return vellumar::bench::RunWindowBenchmarks(argc, argv); }
