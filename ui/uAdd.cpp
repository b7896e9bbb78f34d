#include "ui/uAdd.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

#include "app/UserDictionary.h"
#include "engine/Letters.h"
#include "ui/QtText.h"
#include "ui/Services.h"

namespace vellumar::ui {

namespace {

constexpr int kHelpTopic = 136;

// Without leading and trailing blanks and control characters.
std::string Trimmed(const std::string& text) {
    const auto outside = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::size_t begin = 0, end = text.size();
    while (begin < end && outside(text[begin])) ++begin;
    while (end > begin && outside(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

}  // namespace

TfmAdd::TfmAdd(QWidget* parent) : SideDialog(parent, QStringLiteral("Добавление слов")) {
    setObjectName(QStringLiteral("fmAdd"));
    lAdded = Placed(new QLabel(QStringLiteral("Добавление слов в USER'S.DIC"), this), "lAdded", {10, 8, 404, 16});
    lbAdd = Placed(new QListWidget(this), "lbAdd", {10, 28, 404, 118});
    lbDescr = Placed(new QListWidget(this), "lbDescr", {10, 152, 404, 60});
    lbDescr->setEnabled(false);
    lWord = Placed(new QLabel(QStringLiteral("Новое слово и определение"), this), "lWord", {10, 220, 404, 16});
    edWord = Placed(new QLineEdit(this), "edWord", {10, 238, 404, 24});
    btAdd = Placed(new QPushButton(QStringLiteral("Добавить"), this), "btAdd", {10, 272, 98, 26});
    btDescr = Placed(new QPushButton(QStringLiteral("Определения"), this), "btDescr", {112, 272, 98, 26});
    btDescr->setEnabled(false);
    btDel = Placed(new QPushButton(QStringLiteral("Удалить"), this), "btDel", {214, 272, 98, 26});
    btDel->setEnabled(false);
    btClose = Placed(new QPushButton(QStringLiteral("Закрыть"), this), "btClose", {316, 272, 98, 26});
    btAdd->setDefault(true);
    setFixedSize(424, 308);
    setTabOrder(edWord, btAdd);
    edWord->setFocus();

    connect(btAdd, &QPushButton::clicked, this, &TfmAdd::btAddClick);
    connect(btClose, &QPushButton::clicked, this, &TfmAdd::btCloseClick);
    connect(btDel, &QPushButton::clicked, this, &TfmAdd::btDelClick);
    connect(edWord, &QLineEdit::textChanged, this, &TfmAdd::edWordChange);
    for (QWidget* w : std::initializer_list<QWidget*>{lbAdd, edWord, btAdd, btClose}) w->installEventFilter(this);
    // The program ends when its main window closes: what still waits is written then.
    if (parent) parent->installEventFilter(this);
    // The dialog sees F1 before its controls.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [] { AppServices().showHelp(kHelpTopic); });
}

bool TfmAdd::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent()) {
        if (event->type() == QEvent::Close) WriteAllPending();
    } else if (event->type() == QEvent::FocusIn) {
        if (watched == lbAdd)
            lbAddEnter();
        else
            edWordEnter();
    }
    return SideDialog::eventFilter(watched, event);
}

void TfmAdd::lbAddEnter() { btDel->setEnabled(true); }
void TfmAdd::edWordEnter() { btDel->setEnabled(false); }

void TfmAdd::edWordChange() { btAdd->setEnabled(!edWord->text().isEmpty()); }

void TfmAdd::btAddClick() {
    const std::string line = NormaliseLine(Trimmed(ToCp1251(edWord->text())));
    if (!line.empty()) {
        // The bytes ride along, so the line written is exactly the line added.
        auto* item = new QListWidgetItem(FromCp1251(line), lbAdd);
        item->setData(Qt::UserRole, QByteArray(line.data(), static_cast<qsizetype>(line.size())));
    }
    while (lbAdd->count() > MaxPending && WritePending()) {
    }
    edWord->selectAll();
    edWord->setFocus();
}

bool TfmAdd::WritePending() {
    if (lbAdd->count() == 0) return true;
    const std::string line = lbAdd->item(0)->data(Qt::UserRole).toByteArray().toStdString();
    const AppendResult result = AppendToUserDictionary(line);
    if (result.created) DictionaryCreated = true;
    if (!result.written) return false;   // the message has been shown; the line waits
    delete lbAdd->takeItem(0);
    lAdded->setText(QStringLiteral("Добавлено \"%1\"").arg(FromCp1251(line)));
    return true;
}

bool TfmAdd::WriteAllPending() {
    while (lbAdd->count() > 0)
        if (!WritePending()) return false;
    return true;
}

void TfmAdd::btCloseClick() {
    if (!WriteAllPending()) return;
    if (DictionaryCreated)
        AppServices().message(this, QStringLiteral("При добавлении был создан словарь USER'S.DIC\n"
                                                   "Для того, чтобы программа могла искать в нём слова,\n"
                                                   "необходимо запустить её заново"));
    accept();
}

void TfmAdd::btDelClick() {
    const QList<QListWidgetItem*> selected = lbAdd->selectedItems();
    if (selected.isEmpty()) return;
    delete lbAdd->takeItem(lbAdd->row(selected.front()));
}

}  // namespace vellumar::ui
