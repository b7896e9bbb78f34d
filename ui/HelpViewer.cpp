#include "ui/HelpViewer.h"

#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

#include "app/ProgramDirectory.h"

namespace vellumar::ui {

namespace {

QTextBrowser* HelpWindow() {
    static QPointer<QTextBrowser> window;
    if (!window) {
        window = new QTextBrowser;
        window->setObjectName(QStringLiteral("HelpViewer"));
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setOpenExternalLinks(true);
        window->resize(560, 480);
        QObject::connect(window, &QTextBrowser::sourceChanged, window,
                         [] { window->setWindowTitle(window->documentTitle()); });
    }
    return window;
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
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace vellumar::ui
