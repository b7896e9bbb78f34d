// The search run ("Найти !" and the two "Да" buttons of "Дополнительно") and
// the small handlers of the controls that choose what and where to search.
// The search itself is the core's RunSearch; this file feeds it the window's
// query and settings and shows its outcome.

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>
#include <array>
#include <utility>

#include "app/AppMessages.h"
#include "app/SearchChoices.h"
#include "app/SearchRun.h"
#include "engine/Letters.h"
#include "ui/BusyCursor.h"
#include "ui/ComboHistory.h"
#include "ui/HandlerFailure.h"
#include "ui/MaskGrid.h"
#include "ui/QtText.h"
#include "ui/ResultListModel.h"
#include "ui/Services.h"
#include "ui/uMain.h"

namespace vellumar::ui {

namespace {

// The window during a run: the two buttons off, the busy pointer and the
// gauge shown; all of it back however the run ends.
class RunScope {
public:
    explicit RunScope(TfmMain& w) : w_(w) {
        w_.btRun->setEnabled(false);
        w_.btClear->setEnabled(false);
        w_.Gag->show();
    }
    ~RunScope() {
        w_.btRun->setEnabled(true);
        w_.btClear->setEnabled(true);
        w_.Gag->hide();
    }
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

private:
    TfmMain& w_;
    BusyCursor busy_;
};

SearchSettings ControlSettings(const TfmMain& w) {
    const SearchChoices choices = w.SearchChoicesShown();
    SearchSettings s;
    s.mode = ModeFor(choices.where);
    s.part = choices.part;
    s.weight.enabled = w.cMass->isChecked();
    s.weight.comparison = ToCp1251(w.cbMass->currentText());
    s.weight.value = ToCp1251(w.edMass->text());
    s.equivalences = ProgramEquivalences();
    return s;
}

// Selects the character of the combo box's text that the cp1251 byte at
// `position` came from, and gives the box the focus to show it.
void SelectRejected(QComboBox* combo, std::size_t position) {
    const QString text = combo->currentText();
    const auto width = [&](qsizetype at) {
        return at + 1 < text.size() && text[at].isHighSurrogate() && text[at + 1].isLowSurrogate() ? 2 : 1;
    };
    qsizetype at = 0;
    for (std::size_t byte = 0; byte < position && at < text.size(); ++byte) at += width(at);
    combo->setFocus();
    combo->lineEdit()->setSelection(static_cast<int>(at), at < text.size() ? width(at) : 0);
}

}  // namespace

void TfmMain::WireSearchRun() {
    for (QPushButton* b : {btRun, btFindAnag, btFindWord})
        connect(b, &QPushButton::clicked, this, &TfmMain::btRunClick);
    connect(cbAnag, &QComboBox::editTextChanged, this, &TfmMain::cbAnagChange);
    connect(cbWord, &QComboBox::editTextChanged, this, &TfmMain::cbWordChange);
    connect(cbFile, &QComboBox::editTextChanged, this, &TfmMain::cbFileChange);
    for (QRadioButton* r : {rbW, rbD, rbWD, rbF}) connect(r, &QRadioButton::clicked, this, &TfmMain::rbFClick);
    connect(btFile, &QPushButton::clicked, this, &TfmMain::btFileClick);
}

void TfmMain::btRunClick() {
    QObject* pressed = sender();
    if (pressed != btFindAnag && pressed != btFindWord) pressed = btRun;
    const QueryKind kind = pressed == btFindAnag   ? QueryKind::Anagram
                           : pressed == btFindWord ? QueryKind::Word
                                                   : QueryKind::Mask;
    QComboBox* queryBox = kind == QueryKind::Anagram ? cbAnag : cbWord;
    try {
        RunScope running(*this);
        Results->Clear();
        Results->SetAlphabetical(true);

        std::string text;
        if (kind == QueryKind::Mask) {
            text = MaskFromCells(Grid->State().Cells());
        } else {
            text = ToCp1251(queryBox->currentText());
            const std::string upper = UpperString(text);
            if (!FindInvalidQueryByte(kind, upper)) AddToHistory(queryBox, FromCp1251(upper));
        }

        const SearchSettings settings = ControlSettings(*this);
        const bool inFile = kind == QueryKind::Mask && rbF->isChecked();
        SearchOutcome outcome;
        if (inFile) {
            const QString file = cbFile->currentText();
            AddToHistory(cbFile, file);
            Gag->setRange(0, 1);
            Gag->setValue(0);
            outcome = RunFileSearch(text, QFile::encodeName(file).toStdString(), settings);
            // The message said it all; the list stays empty and the page as it was.
            if (outcome.unreadableFile) return;
            Gag->setValue(1);
        } else {
            const DictionaryCatalogue catalogue = Catalogue();
            const auto checked = static_cast<int>(std::count_if(catalogue.begin(), catalogue.end(),
                                                                [](const DictionaryEntry& e) { return e.checked; }));
            Gag->setRange(0, std::max(checked, 1));   // a range of 0..0 would show the busy animation
            Gag->setValue(0);
            const SearchProgress progress = [this](std::size_t done, std::size_t) {
                Gag->setValue(static_cast<int>(done));
                Gag->repaint();
            };
            outcome = RunSearch(catalogue, kind, text, settings, progress);
        }
        lastSearch_ = {outcome.query, settings,
                       kind == QueryKind::Mask && !inFile && settings.mode != SearchMode::Words};

        switch (outcome.status) {
            case SearchOutcome::Status::Rejected:
                PageControl->setCurrentWidget(Tab4);
                SelectRejected(queryBox, outcome.rejectedAt.value_or(0));
                return;
            case SearchOutcome::Status::OutOfMemory:
                // The hits so far stay in the list; the page is not brought up to date.
                Results->SetEntries(std::move(outcome.entries));
                return;
            case SearchOutcome::Status::Done:
                break;
        }
        Results->SetEntries(std::move(outcome.entries));
        if (Results->Count() > 0)
            lbWords->selectionModel()->setCurrentIndex(Results->index(0), QItemSelectionModel::ClearAndSelect);
        RefreshResultsPage();
        if (Results->Count() > 0) {
            PageControl->setCurrentWidget(Tab2);
            lbWords->setFocus();
        } else {
            Gag->hide();
            if (kind != QueryKind::Mask) PageControl->setCurrentWidget(Tab4);
            ShowCp1251Message(this, texts::NothingFound);
        }
    } catch (const std::exception& e) {
        // The weight filter's value that is no whole number ends up here.
        ShowFailure(this, e);
    }
}

namespace {

// The radio buttons of gbWhere and gbMask, each with the choice it stands for.
template <typename Choice>
using ChoiceButtons = std::array<std::pair<Choice, QRadioButton*>, 4>;

ChoiceButtons<SearchPlace> PlaceButtons(const TfmMain& w) {
    return {{{SearchPlace::Words, w.rbW},
             {SearchPlace::Definitions, w.rbD},
             {SearchPlace::WordsAndDefinitions, w.rbWD},
             {SearchPlace::File, w.rbF}}};
}

ChoiceButtons<MaskPart> PartButtons(const TfmMain& w) {
    return {{{MaskPart::Whole, w.rbWordOnly},
             {MaskPart::Begin, w.rbWordBegin},
             {MaskPart::End, w.rbWordEnd},
             {MaskPart::Any, w.rbWordAny}}};
}

template <typename Choice>
Choice CheckedChoice(const ChoiceButtons<Choice>& buttons) {
    for (const auto& [choice, button] : buttons)
        if (button->isChecked()) return choice;
    return buttons.front().first;
}

template <typename Choice>
void CheckChoice(const ChoiceButtons<Choice>& buttons, Choice chosen) {
    for (const auto& [choice, button] : buttons)
        if (choice == chosen) button->setChecked(true);
}

}  // namespace

SearchChoices TfmMain::SearchChoicesShown() const {
    SearchChoices c;
    c.where = CheckedChoice(PlaceButtons(*this));
    c.part = CheckedChoice(PartButtons(*this));
    c.file = QFile::encodeName(cbFile->currentText()).toStdString();
    return c;
}

void TfmMain::ShowSearchChoices(const SearchChoices& c) {
    CheckChoice(PlaceButtons(*this), c.where);
    CheckChoice(PartButtons(*this), c.part);
    cbFile->setEditText(QFile::decodeName(QByteArray::fromStdString(c.file)));
    rbFClick();
}

void TfmMain::cbAnagChange() { btFindAnag->setEnabled(!cbAnag->currentText().isEmpty()); }
void TfmMain::cbWordChange() { btFindWord->setEnabled(!cbWord->currentText().isEmpty()); }
void TfmMain::cbFileChange() { btFile->setEnabled(!cbFile->currentText().isEmpty()); }

void TfmMain::rbFClick() {
    const bool inFile = rbF->isChecked();
    cbFile->setEnabled(inFile);
    btFile->setEnabled(inFile);
}

void TfmMain::btFileClick() {
    const std::optional<QString> path = AppServices().openFile(this, QString(), QString());
    if (!path) return;
    cbFile->setEditText(*path);
    AddToHistory(cbFile, *path);
}

}  // namespace vellumar::ui
