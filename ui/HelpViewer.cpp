#include "ui/HelpViewer.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QWindow>

#include "app/ProgramDirectory.h"
#include "ui/Services.h"

namespace vellumar::ui {

namespace {

// Links to other pages open in the viewer; web and mail links go to the shell.
void FollowLink(QTextBrowser* window, const QUrl& link) {
    const QUrl target = window->source().resolved(link);
    if (target.isLocalFile())
        window->setSource(target);
    else
        AppServices().openUrl(target);
}

QTextBrowser* HelpWindow() {
    static QPointer<QTextBrowser> window;
    if (!window) {
        window = new QTextBrowser;
        window->setObjectName(QStringLiteral("HelpViewer"));
        window->setAttribute(Qt::WA_DeleteOnClose);
        // The program ends with its main window, whether help is open or not.
        window->setAttribute(Qt::WA_QuitOnClose, false);
        window->setOpenLinks(false);
        window->resize(560, 480);
        window->document()->setDocumentMargin(10);
        QObject::connect(window, &QTextBrowser::anchorClicked, window,
                         [](const QUrl& link) { FollowLink(window, link); });
        QObject::connect(window, &QTextBrowser::sourceChanged, window,
                         [] { window->setWindowTitle(window->documentTitle()); });
    }
    return window;
}

// Help asked for from a modal dialog (F1 in the add-words dialog) must take
// input too: a window that belongs to the modal one is not blocked by it.
// Asked for from elsewhere, the window belongs to nothing again.
void KeepUsableBeside(QWidget* window) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == window) return;
    window->winId();
    if (modal) modal->winId();
    window->windowHandle()->setTransientParent(modal ? modal->windowHandle() : nullptr);
}

}  // namespace

QString HelpPagePath(int topic) {
    return QString::fromLocal8Bit(ProgramDirectory()) + QStringLiteral("help/%1.html").arg(topic);
}

void ShowHelpTopic(int topic) {
    const QString page = HelpPagePath(topic);
    if (!QFileInfo(page).isFile()) return;
    QTextBrowser* window = HelpWindow();
    window->setSource(QUrl::fromLocalFile(page));
    KeepUsableBeside(window);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace vellumar::ui
