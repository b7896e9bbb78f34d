// The main window's menu bar: pages, dictionary check marks, help topics and
// leaving the program.

#include <QAction>
#include <QComboBox>
#include <QListView>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "ui/MaskGrid.h"
#include "ui/Services.h"
#include "ui/uMain.h"

namespace vellumar::ui {

namespace {

// Showing a control brings its page to the front.
void ShowControl(QTabWidget* pages, QWidget* control) {
    for (QWidget* w = control; w; w = w->parentWidget()) {
        if (pages->indexOf(w) >= 0) {
            pages->setCurrentWidget(w);
            break;
        }
    }
    control->setFocus();
}

}  // namespace

void TfmMain::mmFindClick() { ShowControl(PageControl, Grid); }
void TfmMain::mmDopClick() { ShowControl(PageControl, cbAnag); }
void TfmMain::mmResClick() { ShowControl(PageControl, lbWords); }
void TfmMain::mmNotesClick() { ShowControl(PageControl, mNotes); }

// Opening the menu changes nothing; a dictionary entry's check mark has been
// inverted by the entry itself, being checkable, before this runs.
void TfmMain::mmDicsClick() {}

void TfmMain::mmExitClick() { close(); }

// The help topic of the page shown.
void TfmMain::mmTopicClick() {
    QWidget* page = PageControl->currentWidget();
    const int topic = page == Tab1 ? 132 : page == Tab2 ? 133 : page == Tab4 ? 134 : 135;
    AppServices().showHelp(topic);
}

void TfmMain::mmWhatsNewClick() { AppServices().showHelp(11); }

}  // namespace vellumar::ui
