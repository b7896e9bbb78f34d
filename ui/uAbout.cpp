#include "ui/uAbout.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/LabelStyle.h"
#include "ui/LinkLabel.h"
#include "ui/ProductLinks.h"
#include "ui/Services.h"
#include "ui/uMain.h"

namespace vellumar::ui {

namespace {

// Both credited roles name the project's team.
const QString kTeam = QStringLiteral("Команда Vellumar");

}  // namespace

TfmAbout::TfmAbout(QWidget* parent) : SideDialog(parent, QStringLiteral("Vellumar")) {
    setObjectName(QStringLiteral("fmAbout"));
    // The controls stand over the group box rather than in it, so that they
    // keep the window's font and colours instead of its title's.
    lb1 = Placed(new QGroupBox(this), "lb1", {8, 6, 324, 158});
    QFont title = lb1->font();
    title.setPixelSize(16);
    title.setBold(true);
    lb1->setFont(title);
    QPalette blue = lb1->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    lb1->setPalette(blue);

    lb2 = Placed(new QLabel(this), "lb2", {20, 36, 300, 18});
    SetBold(lb2, true);
    lb3 = Placed(new QLabel(QStringLiteral("Программер"), this), "lb3", {20, 64, 96, 18});
    lb4 = Placed(new LinkLabel(kTeam, this), "lb4", {120, 64, 200, 18});
    Label1 = Placed(new QLabel(QStringLiteral("Менеджер"), this), "Label1", {20, 84, 96, 18});
    Label2 = Placed(new LinkLabel(kTeam, this), "Label2", {120, 84, 200, 18});
    lbSite = Placed(new LinkLabel(QStringLiteral("Вебсайт"), this), "lbSite", {20, 112, 96, 18});
    edSite = Placed(new QLineEdit(this), "edSite", {120, 112, 204, 18});
    lbMail = Placed(new LinkLabel(QStringLiteral("Почта"), this), "lbMail", {20, 134, 96, 18});
    edMail = Placed(new QLineEdit(this), "edMail", {120, 134, 204, 18});
    btOK = Placed(new QPushButton(QStringLiteral("OK"), this), "btOK", {130, 174, 80, 26});
    btOK->setDefault(true);

    QPalette flat = palette();
    flat.setColor(QPalette::Base, flat.color(QPalette::Window));
    for (QLineEdit* field : {edSite, edMail}) {
        field->setReadOnly(true);
        field->setFrame(false);
        field->setPalette(flat);
        field->setTextMargins(0, 0, 0, 0);
    }
    setFixedSize(340, 210);

    connect(lbSite, &LinkLabel::clicked, this, &TfmAbout::lbSiteClick);
    connect(lbMail, &LinkLabel::clicked, this, &TfmAbout::lbMailClick);
    connect(lb4, &LinkLabel::clicked, this, &TfmAbout::lb4Click);
    connect(Label2, &LinkLabel::clicked, this, &TfmAbout::Label2Click);
    connect(btOK, &QPushButton::clicked, this, &TfmAbout::btOKClick);
    FormCreate();
}

void TfmAbout::FormCreate() {
    lb1->setTitle(QStringLiteral("Vellumar версия %1").arg(QLatin1String(TfmMain::Version)));
    lb2->setText(QStringLiteral("программа для решения кроссвордов"));
    edSite->setText(ProductWebPage());
    edMail->setText(ProductMailAddress());
    for (QLineEdit* field : {edSite, edMail}) field->setCursorPosition(0);
    lbSite->setToolTip(QStringLiteral("Открыть страницу ") + ProductWebPage());
    const QString mailHint = QStringLiteral("Отправка сообщения в ") + ProductMailAddress();
    for (LinkLabel* label : {lbMail, lb4, Label2}) label->setToolTip(mailHint);
}

void TfmAbout::lbSiteClick() { AppServices().openUrl(ProductWebUrl()); }
void TfmAbout::lbMailClick() { AppServices().openUrl(ProductMailUrl()); }
void TfmAbout::lb4Click() { lbMailClick(); }
void TfmAbout::Label2Click() { lbMailClick(); }
void TfmAbout::btOKClick() { accept(); }

}  // namespace vellumar::ui
