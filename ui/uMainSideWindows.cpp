// The main window's ways into the side windows: the settings dialog, the
// add-words dialog, the statistics window, the about box, the letter picker,
// and the product web page.

#include "ui/Forms.h"
#include "ui/Services.h"
#include "ui/uMain.h"

namespace vellumar::ui {

void TfmMain::mmSetupClick() {}
void TfmMain::mmAddKlavClick() {}
void TfmMain::mmStatClick() {}
void TfmMain::mmAboutClick() {}
void TfmMain::mmWebSiteClick() {}
void TfmMain::OpenLetterPicker(QPoint) {}

}  // namespace vellumar::ui
