#pragma once
// The help viewer: one window that shows the help pages beside the program,
// help/<topic>.html, by context number. Links between pages work within it.

#include <QString>

namespace vellumar::ui {

// The page of a topic: ProgramDirectory() + "help/<topic>.html".
QString HelpPagePath(int topic);

// Shows the topic's page in the help window (created on first use); a topic
// without a page shows nothing.
void ShowHelpTopic(int topic);

}  // namespace vellumar::ui
