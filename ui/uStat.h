#pragma once
// The statistics window "Статистика": on "Собрать" every dictionary of the
// catalogue is read once (switched off or not) and the window shows how many
// words there are of each length from 2 to 22 and each letter's share of all
// letters. The counts are gathered at most once per run and stay shown.

#include <array>

#include "app/Statistics.h"
#include "ui/SideDialog.h"

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace vellumar::ui {

class TfmMain;

class TfmStat : public SideDialog {
    Q_OBJECT
public:
    explicit TfmStat(TfmMain* main);

    QLabel* lDicsCount = nullptr;
    QGroupBox* gb1 = nullptr;
    QGroupBox* gb2 = nullptr;
    QPushButton* btStart = nullptr;
    QPushButton* btClose = nullptr;
    QProgressBar* GAG = nullptr;   // over the dictionaries
    QProgressBar* g = nullptr;     // within one dictionary

    // gb1's labels by length 2..22, and 23 for "Всего"; gb2's by alphabet position 1..33.
    std::array<QLabel*, MaxCountedLength + 2> LengthLabels{};
    std::array<QLabel*, LetterCount + 1> LetterLabels{};

    // The counts so far: zero from creation, never reset.
    const Statistics& Counts() const { return stats_; }

public Q_SLOTS:
    void FormCreate();
    void btStartClick();
    void btCloseClick();

private:
    void ShowCounts();

    TfmMain* main_;
    Statistics stats_;
};

}  // namespace vellumar::ui
