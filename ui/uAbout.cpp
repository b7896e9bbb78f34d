#include "ui/uAbout.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QDir>
#include <QFile>
#include <QPushButton>

#include "app/Notes.h"
#include "app/Settings.h"
#include "app/UserDictionary.h"
#include "app/UserFolders.h"
#include "ui/LabelStyle.h"
#include "ui/LinkLabel.h"
#include "ui/ProductLinks.h"
#include "ui/Services.h"
#include "ui/uMain.h"

namespace vellumar::ui {

namespace {

// Both credited roles name the project's team.
const QString kTeam = QStringLiteral("Команда Vellumar");

QString LocalPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

// A folder as a person reads it: the home folder shortened to "~".
QString FolderText(const std::string& folder) {
    const QString path = LocalPath(folder);
    const QString home = QDir::homePath() + QLatin1Char('/');
    return path.startsWith(home) ? QStringLiteral("~/") + path.mid(home.size()) : path;
}

// Where each of the user's files is, in full.
QString FilesHint() {
    const std::string notes = NotesPath();
    const QString notesText = notes == NotesFileName
                                  ? QStringLiteral("Notes.txt в папке, из которой запущена программа")
                                  : LocalPath(notes);
    return QStringLiteral("Личный словарь: ") + LocalPath(UserDictionaryPath()) + QStringLiteral("\nЗаметки: ") +
           notesText + QStringLiteral("\nНастройки: ") + LocalPath(SettingsPath());
}

}  // namespace

TfmAbout::TfmAbout(QWidget* parent) : SideDialog(parent, QStringLiteral("Vellumar")) {
    setObjectName(QStringLiteral("fmAbout"));
    // The controls stand over the group box rather than in it, so that they
    // keep the window's font and colours instead of its title's.
    lb1 = Placed(new QGroupBox(this), "lb1", {8, 6, 324, 208});
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
    lbFiles = Placed(new QLabel(QStringLiteral("Ваши файлы"), this), "lbFiles", {20, 162, 96, 18});
    edFiles = Placed(new QLineEdit(this), "edFiles", {120, 162, 204, 18});
    lbSettings = Placed(new QLabel(QStringLiteral("Настройки"), this), "lbSettings", {20, 184, 96, 18});
    edSettings = Placed(new QLineEdit(this), "edSettings", {120, 184, 204, 18});
    btOK = Placed(new QPushButton(QStringLiteral("OK"), this), "btOK", {130, 224, 80, 26});
    btOK->setDefault(true);

    QPalette flat = palette();
    flat.setColor(QPalette::Base, flat.color(QPalette::Window));
    for (QLineEdit* field : {edSite, edMail, edFiles, edSettings}) {
        field->setReadOnly(true);
        field->setFrame(false);
        field->setPalette(flat);
        field->setTextMargins(0, 0, 0, 0);
    }
    setFixedSize(340, 260);

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
    edFiles->setText(FolderText(UserDictionaryDirectory()));
    edSettings->setText(FolderText(SettingsDirectory()));
    for (QLineEdit* field : {edSite, edMail, edFiles, edSettings}) field->setCursorPosition(0);
    const QString filesHint = FilesHint();
    for (QWidget* w : std::initializer_list<QWidget*>{lbFiles, edFiles, lbSettings, edSettings}) w->setToolTip(filesHint);
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
