#pragma once
// The one seam between the windows and what opens a window of its own or
// leaves the program: message boxes, the open-file dialog, the font chooser,
// the shell's "open" of an address, and the help viewer. The program uses the
// toolkit's dialogs; tests replace the functions so that nothing blocks.

#include <QString>
#include <QUrl>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "engine/Messages.h"

class QWidget;

namespace vellumar::ui {

struct Services {
    // A message box with an OK button; lines are separated by "\n".
    std::function<void(QWidget* parent, const QString& text)> message;
    // The open-file dialog with a caption and a filter of the file types
    // offered (both may be empty): the chosen path, or nothing when cancelled.
    std::function<std::optional<QString>(QWidget* parent, const QString& caption, const QString& filter)> openFile;
    // The font chooser preset to `face`: the chosen face, or nothing when cancelled.
    std::function<std::optional<QString>(QWidget* parent, const QString& face)> chooseFont;
    // Opens a web or mailto: address; failures are silent.
    std::function<void(const QUrl& url)> openUrl;
    // Shows a help topic by its context number; a missing topic shows nothing.
    std::function<void(int topic)> showHelp;
};

// The application's title: the caption of its message boxes. (Qt's display
// name would also be appended to every window's caption on X11.)
QString& ApplicationTitle();

// The services in force; the program's defaults until something replaces them.
Services& AppServices();

// Shows `text` (cp1251, lines separated by CR LF) through AppServices().message.
void ShowCp1251Message(QWidget* parent, std::string_view text);

// Routes the core's messages (ShowMessage) to message boxes over `parent`;
// returns the handler that had them before.
MessageHandler RouteCoreMessagesTo(QWidget* parent);

}  // namespace vellumar::ui
