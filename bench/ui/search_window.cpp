// The search from the main window with the bundled dictionaries, offscreen:
// from the press of a button to the results page filled and painted, in
// words, in definitions and for any part of a word. Also
// the length and weight orders and a keep filter over the all-blank
// seven-letter result (every seven-letter word).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <filesystem>
#include <string>
#include <vector>

#include "app/MemberCache.h"
#include "app/ProgramDirectory.h"
#include "engine/Cp1251Literal.h"
#include "engine/Messages.h"
#include "ui/Forms.h"
#include "ui/MaskGrid.h"
#include "ui/Panel.h"
#include "ui/ResultListModel.h"
#include "ui/Services.h"
#include "ui/uMain.h"

namespace {

using namespace vellumar;
using ui::TfmMain;

// Counts the paints of the result list, to show that each press was painted.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    long paints = 0;
};

struct Window {
    std::filesystem::path folder;
    PaintCounter counter;

    Window() {
        folder = std::filesystem::temp_directory_path() / "vellumar-bench-search-window";
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        for (const char* name : {"spelling.dic", "synonyms.dic"})
            std::filesystem::copy_file(std::filesystem::path(VELLUMAR_BIN_DIR) / name, folder / name);
        SetProgramDirectory(folder.string() + "/");
        ui::AppServices().message = [](QWidget*, const QString&) {};
        SetMessageHandler([](const std::string&) {});
        ui::CreateForms();
        w().show();
        w().lbWords->viewport()->installEventFilter(&counter);
        QApplication::processEvents();
    }
    ~Window() {
        ui::DestroyForms();
        std::filesystem::remove_all(folder);
    }
    TfmMain& w() { return *ui::fmMain; }

    void SetMask(std::string_view mask) {
        ui::MaskGridState& state = w().Grid->State();
        while (state.Length() > static_cast<int>(mask.size())) state.Shorten();
        while (state.Length() < static_cast<int>(mask.size())) state.Lengthen();
        for (std::size_t i = 0; i < mask.size(); ++i) state.SetCell(static_cast<int>(i), std::string(1, mask[i]));
    }
    // The page a button stands on brought forward and painted, as a user sees it before pressing.
    void Show(QWidget* page) {
        w().PageControl->setCurrentWidget(page);
        QApplication::processEvents();
    }
};

Window& TheWindow() {
    static Window window;
    return window;
}

// A press and release of the left button in the middle of `widget`.
void Press(QWidget* widget) {
    const QPointF at = QRectF(widget->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton, {}, {});
    QApplication::sendEvent(widget, &release);
}

void Report(benchmark::State& state, Window& win, long paintsBefore) {
    state.counters["found"] = win.w().Results->Count();
    state.counters["paints"] = benchmark::Counter(static_cast<double>(win.counter.paints - paintsBefore),
                                                  benchmark::Counter::kAvgIterations);
}

// Presses `button` on `page` once a round, the page shown before; `cold`
// drops the expanded members the window keeps before each press.
void PressOnPage(benchmark::State& state, QWidget* page, QWidget* button, bool cold = false) {
    Window& win = TheWindow();
    const long paints = win.counter.paints;
    for (auto _ : state) {
        state.PauseTiming();
        if (cold) MemberCache().Clear();
        win.Show(page);
        state.ResumeTiming();
        Press(button);
        QApplication::processEvents();
    }
    Report(state, win, paints);
}

// A grid search with `where` and `part` chosen on the page, as a user clicks them.
void GridSearch(benchmark::State& state, std::string_view mask, QRadioButton* where = nullptr,
                QRadioButton* part = nullptr, bool cold = false) {
    TfmMain& w = TheWindow().w();
    TheWindow().SetMask(mask);
    w.PageControl->setCurrentWidget(w.Tab1);
    Press(where ? where : w.rbW);
    Press(part ? part : w.rbWordOnly);
    PressOnPage(state, w.Tab1, w.btRun, cold);
    Press(w.rbW);
    Press(w.rbWordOnly);
}

void BM_FiveLetterMaskTwoKnown(benchmark::State& state) { GridSearch(state, Cp1251<"К  Т ">); }
void BM_SevenBlankMask(benchmark::State& state) { GridSearch(state, "       "); }
// Every member of both dictionaries read: the first press expands them, the
// next ones find them kept (cold:0).
void BM_DefinitionsFiveLetterMask(benchmark::State& state) {
    GridSearch(state, Cp1251<"К  Т ">, TheWindow().w().rbD, nullptr, state.range(0) != 0);
}
void BM_AnyPartThreeLetterMask(benchmark::State& state) {
    GridSearch(state, Cp1251<"К Т">, nullptr, TheWindow().w().rbWordAny, state.range(0) != 0);
}

void BM_EightLetterAnagram(benchmark::State& state) {
    TfmMain& w = TheWindow().w();
    w.cbAnag->setEditText(QStringLiteral("апельсин"));
    PressOnPage(state, w.Tab4, w.btFindAnag);
}

// The all-blank seven-letter result, alphabetical and shown, before each round.
template <typename Act>
void OverSevenLetterWords(benchmark::State& state, Act act) {
    Window& win = TheWindow();
    win.SetMask("       ");
    Press(win.w().btRun);
    const std::vector<std::string> all = win.w().Results->Entries();
    const long paints = win.counter.paints;
    for (auto _ : state) {
        state.PauseTiming();
        win.w().Results->SetEntries(all);
        win.w().RefreshResultsPage();
        win.Show(win.w().Tab2);
        state.ResumeTiming();
        act(win.w());
        QApplication::processEvents();
    }
    Report(state, win, paints);
}

void BM_LengthSortSevenLetterWords(benchmark::State& state) {
    OverSevenLetterWords(state, [](TfmMain& w) { Press(w.pnLen); });
}
void BM_WeightSortSevenLetterWords(benchmark::State& state) {
    OverSevenLetterWords(state, [](TfmMain& w) { Press(w.pnMas); });
}
void BM_KeepFilterSevenLetterWords(benchmark::State& state) {
    TheWindow().w().cbKill->setEditText(QStringLiteral("ка"));
    OverSevenLetterWords(state, [](TfmMain& w) { Press(w.btYes2); });
}

BENCHMARK(BM_FiveLetterMaskTwoKnown)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SevenBlankMask)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DefinitionsFiveLetterMask)->ArgName("cold")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_AnyPartThreeLetterMask)->ArgName("cold")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EightLetterAnagram)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LengthSortSevenLetterWords)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WeightSortSevenLetterWords)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_KeepFilterSevenLetterWords)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
