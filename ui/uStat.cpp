#include "ui/uStat.h"

#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>

#include "app/AppMessages.h"
#include "engine/Letters.h"
#include "ui/BusyCursor.h"
#include "ui/HandlerFailure.h"
#include "ui/LabelStyle.h"
#include "ui/QtText.h"
#include "ui/uMain.h"

namespace vellumar::ui {

namespace {

QLabel* MakeLabel(QWidget* parent, const QString& name, const std::string& caption, int left, int top) {
    auto* label = new QLabel(FromCp1251(caption), parent);
    label->setObjectName(name);
    label->move(left, top);
    label->adjustSize();
    return label;
}

void SetCaption(QLabel* label, const std::string& caption, bool bold = false) {
    SetBold(label, bold);
    label->setText(FromCp1251(caption));
    label->adjustSize();
}

// The system's decimal separator as one cp1251 byte; ',' when it has none.
char DecimalSeparator() {
    const std::string separator = ToCp1251(QLocale().decimalPoint());
    return separator.size() == 1 && separator[0] != '?' ? separator[0] : ',';
}

}  // namespace

TfmStat::TfmStat(TfmMain* main) : SideDialog(main, QStringLiteral("Статистика")), main_(main) {
    setObjectName(QStringLiteral("fmStat"));
    lDicsCount = Placed(new QLabel(this), "lDicsCount", {10, 8, 400, 16});
    gb1 = Placed(new QGroupBox(QStringLiteral("По длине слов"), this), "gb1", {8, 30, 306, 194});
    gb2 = Placed(new QGroupBox(QStringLiteral("По буквам"), this), "gb2", {322, 30, 276, 194});
    g = Placed(new QProgressBar(this), "g", {8, 240, 400, 14});
    GAG = Placed(new QProgressBar(this), "GAG", {8, 258, 400, 14});
    for (QProgressBar* bar : {g, GAG}) {
        bar->setTextVisible(false);
        bar->setValue(bar->minimum());
    }
    GAG->hide();
    btStart = Placed(new QPushButton(QStringLiteral("Собрать"), this), "btStart", {426, 242, 82, 28});
    btClose = Placed(new QPushButton(QStringLiteral("Закрыть"), this), "btClose", {516, 242, 82, 28});
    btStart->setDefault(true);
    setFixedSize(606, 282);

    connect(btStart, &QPushButton::clicked, this, &TfmStat::btStartClick);
    connect(btClose, &QPushButton::clicked, this, &TfmStat::btCloseClick);
    FormCreate();
}

void TfmStat::FormCreate() {
    for (int n = MinCountedLength; n <= MaxCountedLength + 1; ++n) {
        // The second column stands further right than the first design had
        // it: this font is wider, and "10 букв - 21212 шт." must not reach it.
        const int left = n <= 12 ? 10 : 160;
        const int top = 20 + 15 * (n <= 12 ? n - 2 : n - 13);
        LengthLabels[static_cast<std::size_t>(n)] =
            MakeLabel(gb1, QStringLiteral("LengthLabel%1").arg(n), LengthCaption(n), left, top);
    }
    for (int j = 1; j <= LetterCount; ++j) {
        const int left = 10 + 90 * ((j - 1) / 11);
        const int top = 20 + 15 * ((j - 1) % 11);
        LetterLabels[static_cast<std::size_t>(j)] = MakeLabel(
            gb2, QStringLiteral("LetterLabel%1").arg(j), std::string(1, Alphabet[static_cast<std::size_t>(j - 1)]),
            left, top);
    }
    const std::size_t dictionaries = main_->DictionaryEntries.size();
    if (dictionaries == 0) {
        lDicsCount->setText(FromCp1251(texts::NoDictionaries));
        btStart->setEnabled(false);
        btStart->setDefault(false);
        btClose->setDefault(true);
    } else {
        lDicsCount->setText(FromCp1251(DictionaryCountCaption(dictionaries)));
    }
}

void TfmStat::btStartClick() {
    btStart->setEnabled(false);   // once per run
    {
        BusyCursor busy;
        GAG->show();
        g->show();
        const DictionaryCatalogue catalogue = main_->Catalogue();
        GAG->setRange(0, static_cast<int>(catalogue.size()));
        StatisticsProgress progress;
        progress.dictionaryDone = [this](std::size_t index) { GAG->setValue(static_cast<int>(index)); };
        progress.innerRange = [this](long from, long to) { g->setRange(static_cast<int>(from), static_cast<int>(to)); };
        progress.innerPosition = [this](long position) { g->setValue(static_cast<int>(position)); };
        try {
            GatherStatistics(stats_, catalogue, progress);
        } catch (const std::exception& error) {
            ShowFailure(this, error);
        }
        GAG->hide();
        g->hide();
        ShowCounts();
    }
    btStart->setDefault(false);
    btClose->setDefault(true);
}

void TfmStat::ShowCounts() {
    const int boldLength = stats_.BoldLength();
    for (int n = MinCountedLength; n <= MaxCountedLength + 1; ++n)
        SetCaption(LengthLabels[static_cast<std::size_t>(n)], LengthLabel(stats_, n), n == boldLength);
    const int boldLetter = stats_.BoldLetter();
    const char separator = DecimalSeparator();
    for (int j = 1; j <= LetterCount; ++j)
        SetCaption(LetterLabels[static_cast<std::size_t>(j)], LetterLabel(stats_, j, separator), j == boldLetter);
}

void TfmStat::btCloseClick() { reject(); }

}  // namespace vellumar::ui
