// The page "Результаты": the result list with its three sort orders, and the
// definitions panel with its store and filter actions.

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCharFormat>
#include <QTextCursor>

#include <algorithm>
#include <initializer_list>

#include "app/DefinitionText.h"
#include "app/UserDictionary.h"
#include "engine/Letters.h"
#include "ui/BusyCursor.h"
#include "ui/ComboHistory.h"
#include "ui/HandlerFailure.h"
#include "ui/Panel.h"
#include "ui/QtText.h"
#include "ui/ResultListModel.h"
#include "ui/Services.h"
#include "ui/WordListDelegate.h"
#include "ui/uMain.h"

namespace vellumar::ui {

namespace {

// The info line and the definitions of entry `row`.
void ShowEntry(TfmMain& w, int row) {
    const std::string& entry = w.Results->Entry(row);
    const std::string_view word = WordPart(entry);
    w.lInfo->setText(QStringLiteral("Длина = %1 Вес = %2").arg(word.size()).arg(WordWeight(word)));
    w.ShowDefinitions(entry);
}

// A length or weight sort, unless the list is empty: the panel of the new
// order disabled and the two others enabled; the list hidden and the gauge
// over it meanwhile, and shown again however the sort ends.
template <typename Sort>
void SortHidden(TfmMain& w, Panel* chosen, Sort sort) {
    if (w.Results->Count() == 0) return;
    for (Panel* p : {w.pnABC, w.pnLen, w.pnMas}) p->setEnabled(p != chosen);
    struct Hidden {
        TfmMain& w;
        ~Hidden() {
            w.gagSort->hide();
            w.lbWords->show();
        }
    };
    try {
        BusyCursor busy;
        Hidden hidden{w};
        const int last = std::max(w.Results->Count() - 1, 1);
        w.lbWords->hide();
        w.gagSort->setRange(0, last);
        w.gagSort->setValue(0);
        w.gagSort->show();
        sort();
        // One pass of the core's order does what the exchange sort's passes did.
        w.gagSort->setValue(last);
    } catch (const std::exception& e) {
        ShowFailure(&w, e);
    }
}

}  // namespace

void TfmMain::WireResultsPage() {
    lbWords->setItemDelegate(new WordListDelegate(Results, lbWords));
    lbWords->setUniformItemSizes(true);
    lbWords->setSelectionMode(QAbstractItemView::SingleSelection);
    // A click on the entry already selected shows it again, as a change does.
    connect(lbWords->selectionModel(), &QItemSelectionModel::currentChanged, this, &TfmMain::lbWordsClick);
    connect(lbWords, &QListView::clicked, this, &TfmMain::lbWordsClick);
    for (Panel* p : {pnABC, pnLen, pnMas}) {
        connect(p, &Panel::mouseDown, this, &TfmMain::pnMDown);
        connect(p, &Panel::mouseUp, this, &TfmMain::pnMUp);
    }
    connect(pnABC, &Panel::clicked, this, &TfmMain::pnABCClick);
    connect(pnLen, &Panel::clicked, this, &TfmMain::pnLenClick);
    connect(pnMas, &Panel::clicked, this, &TfmMain::pnMasClick);
    connect(cbAddOpred, &QComboBox::editTextChanged, this, &TfmMain::cbAddOpredChange);
    connect(cbKill, &QComboBox::editTextChanged, this, &TfmMain::cbKillChange);
    connect(btYes1, &QPushButton::clicked, this, &TfmMain::btYes1Click);
    connect(btYes2, &QPushButton::clicked, this, &TfmMain::btYes2Click);
    // The page's texts in the toolkit's usual size would not fit its narrow
    // columns ("Длина слова", the filter's two directions).
    QFont small = Tab2->font();
    small.setPixelSize(11);
    Tab2->setFont(small);
}

void TfmMain::RefreshResultsPage() {
    const int count = Results->Count();
    if (count > 0) ShowEntry(*this, 0);
    pnABC->SetLowered(true);
    pnLen->SetLowered(false);
    pnMas->SetLowered(false);
    pnABCClick();
    if (count == 0) {
        lbCount->setText(QStringLiteral("Слова не найдены"));
    } else {
        lbCount->setText(QStringLiteral("Найдено слов : %1").arg(count));
        lInfo->clear();
    }
    for (QWidget* w : std::initializer_list<QWidget*>{cbAddOpred, rbNotKill, rbKill, cbKill, L3, pnABC, pnLen, pnMas,
                                                      lbWords, mDescr})
        w->setEnabled(count > 0);
}

void TfmMain::ShowDefinitions(const std::string& entry) {
    L3->setText(QStringLiteral("Новое определение к слову \"%1\"").arg(FromCp1251(WordPart(entry))));
    mDescr->clear();
    const std::vector<ShownDefinition> definitions = ShownDefinitions(entry);
    if (definitions.empty()) {
        mDescr->setPlainText(QStringLiteral("Без определения"));
        return;
    }
    // After a search in definitions, the words that fit the mask show why the
    // entry was found.
    const bool markFits = lastSearch_.inDefinitions;
    QTextCursor cursor(mDescr->document());
    QTextCharFormat plain, bold;
    bold.setFontWeight(QFont::Bold);
    for (const ShownDefinition& d : definitions) {
        if (d.number != definitions.front().number) cursor.insertBlock();
        cursor.insertText(QStringLiteral("%1) ").arg(d.number), plain);
        std::size_t at = 0;
        if (markFits)
            for (const TextRun& run : FittingRuns(lastSearch_.mask, d.text, lastSearch_.settings)) {
                cursor.insertText(FromCp1251(std::string_view(d.text).substr(at, run.offset - at)), plain);
                cursor.insertText(FromCp1251(std::string_view(d.text).substr(run.offset, run.length)), bold);
                at = run.offset + run.length;
            }
        cursor.insertText(FromCp1251(std::string_view(d.text).substr(at)), plain);
    }
    mDescr->moveCursor(QTextCursor::Start);
}

// A change of the selected entry; run with no sender by RefreshResultsPage,
// which shows entry 0 itself.
void TfmMain::lbWordsClick() {
    if (Results->Count() == 0) return;
    int row = 0;
    if (sender() == lbWords->selectionModel() || sender() == lbWords) {
        row = lbWords->currentIndex().row();
        if (row < 0) return;
    }
    ShowEntry(*this, row);
}

void TfmMain::pnMDown(Qt::MouseButton) {
    auto* pressed = qobject_cast<Panel*>(sender());
    if (!pressed) return;
    for (Panel* p : {pnABC, pnLen, pnMas}) p->SetLowered(p == pressed);
    pressed->Shift(1, 1);
}

void TfmMain::pnMUp(Qt::MouseButton) {
    if (auto* released = qobject_cast<Panel*>(sender())) released->Shift(-1, -1);
}

void TfmMain::pnABCClick() {
    pnABC->setEnabled(false);
    pnLen->setEnabled(true);
    pnMas->setEnabled(true);
    Results->SetAlphabetical(true);
}

void TfmMain::pnLenClick() { SortHidden(*this, pnLen, [this] { Results->SortByLength(); }); }
void TfmMain::pnMasClick() { SortHidden(*this, pnMas, [this] { Results->SortByWeight(); }); }

void TfmMain::btYes1Click() {
    try {
        const QModelIndexList selected = lbWords->selectionModel()->selectedIndexes();
        if (selected.isEmpty() || Results->Count() == 0) {
            AppServices().message(this, QStringLiteral("Для того, чтобы добавить новое определение,\n"
                                                       "необходимо выбрать слово в списке слева"));
            return;
        }
        const QString typed = cbAddOpred->currentText();
        std::string definition = ToCp1251(typed);
        // The capital ends the word: a definition starting with a small
        // Russian letter would run into it.
        if (!definition.empty()) definition.front() = UpperChar(definition.front());
        AppendToUserDictionary(std::string(WordPart(Results->Entry(selected.front().row()))) + definition);
        AddToHistory(cbAddOpred, typed);
        cbAddOpred->clearEditText();
    } catch (const std::exception& e) {
        ShowFailure(this, e);
    }
}

void TfmMain::btYes2Click() {
    BusyCursor busy;
    lInfo->clear();
    btYes2->setEnabled(false);
    mDescr->clear();
    try {
        const QString text = cbKill->currentText();
        AddToHistory(cbKill, text);
        if (Results->Count() > 0) {
            Results->Filter(UpperString(ToCp1251(text)), rbNotKill->isChecked());
            RefreshResultsPage();
        }
    } catch (const std::exception& e) {
        ShowFailure(this, e);
    }
    btYes2->setEnabled(true);
}

void TfmMain::cbAddOpredChange() { btYes1->setEnabled(!cbAddOpred->currentText().isEmpty()); }
void TfmMain::cbKillChange() { btYes2->setEnabled(!cbKill->currentText().isEmpty()); }

}  // namespace vellumar::ui
