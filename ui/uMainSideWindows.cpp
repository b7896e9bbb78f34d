// The main window's ways into the side windows: the settings dialog, the
// add-words dialog, the statistics window, the about box (each shown modally),
// the letter picker, and the product web page.

#include "ui/Forms.h"
#include "ui/ProductLinks.h"
#include "ui/Services.h"
#include "ui/uAbout.h"
#include "ui/uAdd.h"
#include "ui/uLetter.h"
#include "ui/uMain.h"
#include "ui/uSetup.h"
#include "ui/uStat.h"

namespace vellumar::ui {

// A main window made without the side windows (CreateForms makes them all) opens none.
void TfmMain::mmSetupClick() {
    if (fmSetup) fmSetup->exec();
}

void TfmMain::mmAddKlavClick() {
    if (fmAdd) fmAdd->exec();
}

void TfmMain::mmStatClick() {
    if (fmStat) fmStat->exec();
}

void TfmMain::mmAboutClick() {
    if (fmAbout) fmAbout->exec();
}

void TfmMain::mmWebSiteClick() { AppServices().openUrl(ProductWebUrl()); }

void TfmMain::OpenLetterPicker(QPoint globalPosition) {
    if (fmLetters) fmLetters->Popup(globalPosition);
}

}  // namespace vellumar::ui
