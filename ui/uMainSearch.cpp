// The search run ("Найти !" and the two "Да" buttons of "Дополнительно") and
// the small handlers of the controls that choose what and where to search.

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include "ui/uMain.h"

namespace vellumar::ui {

void TfmMain::btRunClick() {}
void TfmMain::cbAnagChange() {}
void TfmMain::cbWordChange() {}
void TfmMain::cbFileChange() {}
void TfmMain::rbFClick() {}
void TfmMain::btFileClick() {}

}  // namespace vellumar::ui
