// Starts the windows as the program does, with the bundled dictionaries, and
// quits as soon as the main window has been painted once. With --empty it
// shows an empty main window instead: what the toolkit's own start costs.
// Timed as whole processes by bench/startup_vs_qt.sh.

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <cstdlib>
#include <cstring>

#include "app/ProgramDirectory.h"
#include "ui/Forms.h"
#include "ui/Services.h"
#include "ui/uMain.h"

namespace {

// Ends the process once the watched window's first paint is done, without
// closing the windows (closing would save the notes into the current folder).
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, qApp, [] { std::_Exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    const bool empty = argc > 1 && std::strcmp(argv[1], "--empty") == 0;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellumar"));
    QMainWindow* window = nullptr;
    if (empty) {
        window = new QMainWindow;
        window->resize(536, 392);
    } else {
        vellumar::SetProgramDirectory(VELLUMAR_BIN_DIR);
        vellumar::ui::CreateForms();
        vellumar::ui::RouteCoreMessagesTo(vellumar::ui::fmMain);
        window = vellumar::ui::fmMain;
    }
    FirstPaint watcher;
    window->installEventFilter(&watcher);
    window->show();
    return QApplication::exec();
}
