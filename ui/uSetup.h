#pragma once
// The settings dialog "Настройки": the font faces of the mask grid and of the
// result list, and the three letter equivalences. Apply sets them at once and
// writes the configuration file; the fields keep what was typed between
// openings.

#include "ui/SideDialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vellumar::ui {

class TfmMain;

class TfmSetup : public SideDialog {
    Q_OBJECT
public:
    explicit TfmSetup(TfmMain* main);

    QLabel* L1 = nullptr;
    QLineEdit* edFontName = nullptr;
    QPushButton* B1 = nullptr;
    QLabel* L2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* B2 = nullptr;
    QCheckBox* Box1 = nullptr;   // yo_ye
    QCheckBox* Box2 = nullptr;   // tz_mz
    QCheckBox* Box3 = nullptr;   // y_i
    QPushButton* btOK = nullptr;
    QPushButton* btApply = nullptr;
    QPushButton* btCancel = nullptr;

    // The Apply steps; false when the configuration file could not be written
    // (the message has been shown, what was set stays set).
    bool Apply();

public Q_SLOTS:
    void FormCreate();
    void B1Click();
    void B2Click();
    void btApplyClick();
    void btOKClick();
    void btCancelClick();

private:
    TfmMain* main_;
};

}  // namespace vellumar::ui
