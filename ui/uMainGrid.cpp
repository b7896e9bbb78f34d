// The mask grid's handlers on the page "Поиск": letters typed in either
// keyboard layout, lengthening and shortening, the position and weight labels,
// clearing and the weight filter's controls.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "ui/LabelStyle.h"
#include "ui/MaskGrid.h"
#include "ui/Panel.h"
#include "ui/QtText.h"
#include "ui/UpDown.h"
#include "ui/uMain.h"

namespace vellumar::ui {

namespace {

// Both keyboards' plus and minus keys (the keypad's come with the same codes),
// whatever modifier keys are held.
GridKey GridKeyOf(int key) {
    switch (key) {
        case Qt::Key_Backspace: return GridKey::Backspace;
        case Qt::Key_Delete: return GridKey::Delete;
        case Qt::Key_Insert: return GridKey::Insert;
        case Qt::Key_Minus:
        case Qt::Key_Underscore: return GridKey::Minus;
        case Qt::Key_Plus:
        case Qt::Key_Equal: return GridKey::Plus;
        default: return GridKey::Other;
    }
}

constexpr int kRepeatInterval = 100;   // ms while a length panel is held
constexpr int kIdleInterval = 500;

}  // namespace

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
    // toggled, not clicked: the filter follows the tick however it is set.
    connect(cMass, &QCheckBox::toggled, this, &TfmMain::cMassClick);
    connect(cbMass, &QComboBox::currentIndexChanged, this, &TfmMain::cbMassChange);
}

void TfmMain::ShowMaskLength() { lLen->setText(QString::number(Grid->State().Length())); }

void TfmMain::RecalcMaskWeight() {
    int sum = 0;
    for (int i = 0; i < Grid->State().Length(); ++i) sum += Grid->State().Weight(i);
    lMas->setText(QString::number(sum));
}

void TfmMain::RefreshMaskWeights() {
    for (int i = 1; i <= Grid->State().Length(); ++i)
        WeightLabel[static_cast<std::size_t>(i)]->setText(QString::number(Grid->State().Weight(i - 1)));
    RecalcMaskWeight();
}

// The grid as wide as its N columns, the labels of the columns shown and the
// others hidden, N in lLen.
void TfmMain::ShowMaskColumns() {
    const int n = Grid->State().Length();
    Grid->resize(MaskGrid::WidthFor(n), Grid->height());
    for (int i = 1; i <= MaskGridState::MaxLength; ++i) {
        PosLabel[static_cast<std::size_t>(i)]->setVisible(i <= n);
        WeightLabel[static_cast<std::size_t>(i)]->setVisible(i <= n);
    }
    ShowMaskLength();
}

void TfmMain::MoveBoldMarker() {
    const int col = Grid->State().Col();
    SetBold(PosLabel[static_cast<std::size_t>(BoldPos + 1)], false);
    SetBold(PosLabel[static_cast<std::size_t>(col + 1)], true);
    BoldPos = col;
}

void TfmMain::GridKeyDown(int* key) {
    const MaskGridState::KeyResult result = Grid->State().KeyDown(GridKeyOf(*key));
    if (result.plusStep) PlusPending = false;
    if (result.minusStep) MinusPending = false;
    if (result.changed) {
        ShowMaskColumns();
        RefreshMaskWeights();
    }
    if (result.swallowed)
        *key = 0;
    else if (result.key == GridKey::Delete)
        *key = Qt::Key_Delete;
}

void TfmMain::GridKeyPress(const QString& text) {
    for (const char c : ToCp1251(text)) Grid->State().Type(c);
    RefreshMaskWeights();
}

void TfmMain::GridKeyUp(int) { MoveBoldMarker(); }

void TfmMain::GridMouseDown(Qt::MouseButton button, QPoint position) {
    if (const int col = Grid->ColumnAt(position); col >= 0) Grid->State().SetCol(col);
    MoveBoldMarker();
    if (button == Qt::RightButton) OpenLetterPicker(Grid->mapToGlobal(position));
}

// Pressing a length panel takes one step at once if it is released before the
// first tick, or one step per tick while it is held.
void TfmMain::pnMouseDown(Qt::MouseButton) {
    const bool plus = sender() == pnPlus;
    (plus ? PlusPending : MinusPending) = true;
    (plus ? pnPlus : pnMinus)->Shift(1, 1);
    for (QTimer* t : {Timer1, Timer2}) t->setInterval(kRepeatInterval);
    (plus ? Timer1 : Timer2)->start();
}

void TfmMain::pnMouseUp(Qt::MouseButton) {
    const bool plus = sender() == pnPlus;
    if (plus && PlusPending) Timer1Timer();
    if (!plus && MinusPending) Timer2Timer();
    (plus ? pnPlus : pnMinus)->Shift(-1, -1);
    (plus ? Timer1 : Timer2)->stop();
    for (QTimer* t : {Timer1, Timer2}) t->setInterval(kIdleInterval);
}

void TfmMain::Timer1Timer() {
    PlusPending = false;
    Grid->State().Lengthen();
    ShowMaskColumns();
    RefreshMaskWeights();
    Grid->StateChanged();
}

void TfmMain::Timer2Timer() {
    MinusPending = false;
    Grid->State().Shorten();
    ShowMaskColumns();
    RecalcMaskWeight();   // the dropped letter no longer counts
    Grid->StateChanged();
}

void TfmMain::btClearClick() {
    Grid->State().Clear();
    RefreshMaskWeights();
    Grid->StateChanged();
}

void TfmMain::cMassClick() {
    const bool on = cMass->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{cbMass, edMass, udMass}) w->setEnabled(on);
}

void TfmMain::cbMassChange() {
    const QString item = cbMass->currentText();
    cbMass->setToolTip(item == QLatin1String("=>")   ? QStringLiteral("больше или равным")
                       : item == QLatin1String("<=") ? QStringLiteral("меньше или равным")
                                                     : QStringLiteral("равным"));
}

}  // namespace vellumar::ui
