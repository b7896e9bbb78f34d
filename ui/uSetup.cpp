#include "ui/uSetup.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/Settings.h"
#include "ui/HandlerFailure.h"
#include "ui/QtText.h"
#include "ui/Services.h"
#include "ui/uMain.h"

namespace vellumar::ui {

namespace {

// The font chooser preset to the field's face; only the chosen face is taken.
void ChooseFace(QWidget* parent, QLineEdit* field) {
    if (const std::optional<QString> face = AppServices().chooseFont(parent, field->text())) field->setText(*face);
}

}  // namespace

TfmSetup::TfmSetup(TfmMain* main) : SideDialog(main, QStringLiteral("Настройки")), main_(main) {
    setObjectName(QStringLiteral("fmSetup"));
    L1 = Placed(new QLabel(QStringLiteral("Шрифт редактора слова"), this), "L1", {12, 10, 240, 16});
    edFontName = Placed(new QLineEdit(QStringLiteral("Arial"), this), "edFontName", {12, 28, 210, 24});
    B1 = Placed(new QPushButton(QStringLiteral("..."), this), "B1", {228, 28, 28, 24});
    L2 = Placed(new QLabel(QStringLiteral("Шрифт списка слов"), this), "L2", {12, 60, 240, 16});
    Edit1 = Placed(new QLineEdit(QStringLiteral("Courier New Cyr"), this), "Edit1", {12, 78, 210, 24});
    Edit1->setFont(QFont(QStringLiteral("Courier New Cyr")));
    B2 = Placed(new QPushButton(QStringLiteral("..."), this), "B2", {228, 78, 28, 24});
    Box1 = Placed(new QCheckBox(QStringLiteral("\"Е\" = \"Ё\""), this), "Box1", {270, 28, 90, 22});
    Box2 = Placed(new QCheckBox(QStringLiteral("\"Ь\" = \"Ъ\""), this), "Box2", {270, 54, 90, 22});
    Box3 = Placed(new QCheckBox(QStringLiteral("\"И\" = \"Й\""), this), "Box3", {270, 80, 90, 22});
    btOK = Placed(new QPushButton(QStringLiteral("OK"), this), "btOK", {112, 118, 80, 26});
    btApply = Placed(new QPushButton(QStringLiteral("Применить"), this), "btApply", {198, 118, 80, 26});
    btCancel = Placed(new QPushButton(QStringLiteral("Отмена"), this), "btCancel", {284, 118, 80, 26});
    btOK->setDefault(true);
    setFixedSize(376, 156);

    connect(B1, &QPushButton::clicked, this, &TfmSetup::B1Click);
    connect(B2, &QPushButton::clicked, this, &TfmSetup::B2Click);
    connect(btApply, &QPushButton::clicked, this, &TfmSetup::btApplyClick);
    connect(btOK, &QPushButton::clicked, this, &TfmSetup::btOKClick);
    connect(btCancel, &QPushButton::clicked, this, &TfmSetup::btCancelClick);
    FormCreate();
}

void TfmSetup::FormCreate() {
    edFontName->setText(main_->GridFontFace());
    Edit1->setText(main_->ListFontFace());
    const LetterEquivalences& flags = ProgramEquivalences();
    Box1->setChecked(flags.yo_ye);
    Box2->setChecked(flags.tz_mz);
    Box3->setChecked(flags.y_i);
}

void TfmSetup::B1Click() { ChooseFace(this, edFontName); }
void TfmSetup::B2Click() { ChooseFace(this, Edit1); }

bool TfmSetup::Apply() {
    main_->SetGridFontFace(edFontName->text());
    main_->SetListFontFace(Edit1->text());
    LetterEquivalences& flags = ProgramEquivalences();
    flags.yo_ye = Box1->isChecked();
    flags.tz_mz = Box2->isChecked();
    flags.y_i = Box3->isChecked();
    Settings settings;
    settings.wordFontFace = ToCp1251(edFontName->text());
    settings.wordListFontFace = ToCp1251(Edit1->text());
    settings.equivalences = flags;
    try {
        WriteSettings(settings);
    } catch (const std::exception& error) {
        ShowFailure(this, error);
        return false;
    }
    return true;
}

void TfmSetup::btApplyClick() { Apply(); }

// A failed write keeps the dialog open.
void TfmSetup::btOKClick() {
    if (Apply()) accept();
}

void TfmSetup::btCancelClick() { reject(); }

}  // namespace vellumar::ui
