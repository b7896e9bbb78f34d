#include "ui/Services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPointer>

#include "engine/Messages.h"
#include "ui/HelpViewer.h"
#include "ui/QtText.h"

namespace vellumar::ui {

namespace {

Services DefaultServices() {
    Services s;
    s.message = [](QWidget* parent, const QString& text) {
        QMessageBox::information(parent, ApplicationTitle(), text);
    };
    s.openFile = [](QWidget* parent, const QString& caption, const QString& filter) -> std::optional<QString> {
        const QString path = QFileDialog::getOpenFileName(parent, caption, QString(), filter);
        if (path.isEmpty()) return std::nullopt;
        return path;
    };
    s.chooseFont = [](QWidget* parent, const QString& face) -> std::optional<QString> {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, QFont(face), parent);
        if (!ok) return std::nullopt;
        return font.family();
    };
    s.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    s.showHelp = [](int topic) { ShowHelpTopic(topic); };
    return s;
}

}  // namespace

QString& ApplicationTitle() {
    static QString title = QStringLiteral("Vellumar");
    return title;
}

Services& AppServices() {
    static Services services = DefaultServices();
    return services;
}

void ShowCp1251Message(QWidget* parent, std::string_view text) {
    QString shown = FromCp1251(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    AppServices().message(parent, shown);
}

MessageHandler RouteCoreMessagesTo(QWidget* parent) {
    QPointer<QWidget> owner(parent);
    return SetMessageHandler([owner](const std::string& text) { ShowCp1251Message(owner.data(), text); });
}

}  // namespace vellumar::ui
