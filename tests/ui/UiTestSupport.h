#pragma once
// Helpers for the windows' tests: a program folder of their own with small
// dictionaries, the main window made afresh in it, and the seams that would
// open a window of their own replaced by recorders.

#include <QString>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/app/TestSupport.h"
#include "ui/Forms.h"
#include "ui/Services.h"
#include "ui/uMain.h"

namespace vellumar::test {

// What the windows asked of the seams, and what they are answered.
struct SeamRecorder {
    std::vector<QString> messages;           // message boxes, lines joined by "\n"
    std::vector<QUrl> openedUrls;
    std::vector<int> helpTopics;
    std::vector<QString> fontsAsked;         // the face each font chooser was preset to
    std::vector<QString> fileFilters;        // the file types each open-file dialog offered
    std::optional<QString> fileAnswer;       // what the open-file dialog returns
    std::optional<QString> fontAnswer;       // what the font chooser returns
};

// Replaces every seam for its lifetime and restores them at the end; the
// core's messages (ShowMessage) are recorded too.
class SeamScope {
public:
    SeamScope();
    ~SeamScope();
    SeamScope(const SeamScope&) = delete;
    SeamScope& operator=(const SeamScope&) = delete;

    SeamRecorder seen;

private:
    ui::Services saved_;
    MessageHandler savedCore_;
};

// A scratch program folder made the program directory, with the current
// directory moved there too (Notes.txt lives in the current directory).
class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    ScratchDir dir;

    // A plain-text dictionary: the title line, then the lines (UTF-8 in, cp1251 on disk).
    void WritePlainDictionary(const std::string& name, const std::string& title,
                              const std::vector<std::string>& lines) const;

private:
    std::string previousDirectory_;
    std::string previousCwd_;
};

// Makes the windows in `folder` (CreateForms) and destroys them at the end.
class FormsScope {
public:
    FormsScope();
    ~FormsScope();
    FormsScope(const FormsScope&) = delete;
    FormsScope& operator=(const FormsScope&) = delete;

    ui::TfmMain& main() const { return *ui::fmMain; }
};

// A Qt string from a UTF-8 literal.
QString Q(const char* utf8);

// Shows the window and waits until it is the active one; false if it never is.
bool ShowActive(QWidget* window);

// A program folder with the seams recorded; Open() makes the windows (write
// the folder's files first) and shows the main window active.
class WindowTest : public ::testing::Test {
protected:
    void Open() {
        forms = std::make_unique<FormsScope>();
        ASSERT_TRUE(ShowActive(&w()));
    }
    void TearDown() override { forms.reset(); }
    ui::TfmMain& w() const { return forms->main(); }

    ProgramFolder folder;
    SeamScope seams;
    std::unique_ptr<FormsScope> forms;
};

// Types `text` into `widget` as key presses and releases carrying each
// character (QTest's own typing knows ASCII only).
void TypeText(QWidget* widget, const QString& text);

}  // namespace vellumar::test
