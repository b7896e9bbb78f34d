// The page "Результаты": the result list with its three sort orders, and the
// definitions panel with its store and filter actions.

#include <QComboBox>
#include <QListView>
#include <QPushButton>

#include "ui/Panel.h"
#include "ui/ResultListModel.h"
#include "ui/uMain.h"

namespace vellumar::ui {

void TfmMain::WireResultsPage() {}
void TfmMain::RefreshResultsPage() {}
void TfmMain::ShowDefinitions(const std::string&) {}
void TfmMain::MergeResults() {}
void TfmMain::lbWordsClick() {}
void TfmMain::pnMDown(Qt::MouseButton) {}
void TfmMain::pnMUp(Qt::MouseButton) {}
void TfmMain::pnABCClick() {}
void TfmMain::pnLenClick() {}
void TfmMain::pnMasClick() {}
void TfmMain::btYes1Click() {}
void TfmMain::btYes2Click() {}
void TfmMain::cbAddOpredChange() {}
void TfmMain::cbKillChange() {}

}  // namespace vellumar::ui
