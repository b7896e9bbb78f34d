#pragma once
// The about box: the product name and version, what it is for, who made it,
// links to the product's web page and mail address, and the folders of the
// user's own files.

#include "ui/SideDialog.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vellumar::ui {

class LinkLabel;

class TfmAbout : public SideDialog {
    Q_OBJECT
public:
    explicit TfmAbout(QWidget* parent);

    QGroupBox* lb1 = nullptr;
    QLabel* lb2 = nullptr;
    QLabel* lb3 = nullptr;        // "Программер"
    LinkLabel* lb4 = nullptr;
    QLabel* Label1 = nullptr;     // "Менеджер"
    LinkLabel* Label2 = nullptr;
    LinkLabel* lbSite = nullptr;
    QLineEdit* edSite = nullptr;
    LinkLabel* lbMail = nullptr;
    QLineEdit* edMail = nullptr;
    QLabel* lbFiles = nullptr;        // "Ваши файлы": the personal dictionary and the notes
    QLineEdit* edFiles = nullptr;
    QLabel* lbSettings = nullptr;     // "Настройки": the settings file's folder
    QLineEdit* edSettings = nullptr;
    QPushButton* btOK = nullptr;

public Q_SLOTS:
    void FormCreate();
    void lbSiteClick();
    void lbMailClick();
    void lb4Click();
    void Label2Click();
    void btOKClick();
};

}  // namespace vellumar::ui
