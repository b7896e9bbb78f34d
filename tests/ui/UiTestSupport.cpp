#include "tests/ui/UiTestSupport.h"

#include <unistd.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <filesystem>

#include "app/ProgramDirectory.h"
#include "engine/Messages.h"

namespace vellumar::test {

SeamScope::SeamScope() : saved_(ui::AppServices()) {
    ui::Services& s = ui::AppServices();
    s.message = [this](QWidget*, const QString& text) { seen.messages.push_back(text); };
    s.openFile = [this](QWidget*, const QString&, const QString& filter) {
        seen.fileFilters.push_back(filter);
        return seen.fileAnswer;
    };
    s.chooseFont = [this](QWidget*, const QString& face) {
        seen.fontsAsked.push_back(face);
        return seen.fontAnswer;
    };
    s.openUrl = [this](const QUrl& url) { seen.openedUrls.push_back(url); };
    s.showHelp = [this](int topic) { seen.helpTopics.push_back(topic); };
    // The core's messages take the program's own way into the message seam.
    savedCore_ = ui::RouteCoreMessagesTo(nullptr);
}

SeamScope::~SeamScope() {
    ui::AppServices() = saved_;
    SetMessageHandler(savedCore_);
}

ProgramFolder::ProgramFolder()
    : previousDirectory_(ProgramDirectory()), previousCwd_(std::filesystem::current_path().string()) {
    SetProgramDirectory(dir.Dir());
    std::filesystem::current_path(dir.Path());
}

ProgramFolder::~ProgramFolder() {
    std::error_code ec;
    std::filesystem::current_path(previousCwd_, ec);
    SetProgramDirectory(previousDirectory_);
}

void ProgramFolder::WritePlainDictionary(const std::string& name, const std::string& title,
                                         const std::vector<std::string>& lines) const {
    std::string text = W(title) + "\r\n";
    for (const std::string& line : lines) text += W(line) + "\r\n";
    dir.Write(name, text);
}

FormsScope::FormsScope() { ui::CreateForms(); }
FormsScope::~FormsScope() { ui::DestroyForms(); }

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

void TypeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        const int key = c.isLetter() ? static_cast<int>(c.toUpper().unicode()) : static_cast<int>(c.unicode());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

}  // namespace vellumar::test
