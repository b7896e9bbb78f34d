#pragma once
// The add-words dialog "Добавление слов": typed words with their definitions
// wait in a short list, where they can still be deleted, and are appended to
// the personal dictionary user's.dic when the list overflows or on "Закрыть".
// A line whose writing fails stays first in the list, and lines still waiting
// when the main window (the program) closes are written then, so nothing typed
// is lost.

#include "ui/SideDialog.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vellumar::ui {

class TfmAdd : public SideDialog {
    Q_OBJECT
public:
    // More pending lines than this are written at once.
    static constexpr int MaxPending = 7;

    explicit TfmAdd(QWidget* parent);

    QLabel* lAdded = nullptr;
    QListWidget* lbAdd = nullptr;
    QListWidget* lbDescr = nullptr;
    QLabel* lWord = nullptr;
    QLineEdit* edWord = nullptr;
    QPushButton* btAdd = nullptr;
    QPushButton* btDescr = nullptr;
    QPushButton* btDel = nullptr;
    QPushButton* btClose = nullptr;

    // Set when an append of this dialog created user's.dic; never cleared.
    bool DictionaryCreated = false;

    // Writes the first pending line; on failure it stays first and false is returned.
    bool WritePending();
    // Writes the pending lines in order, stopping at one that fails.
    bool WriteAllPending();

public Q_SLOTS:
    void btAddClick();
    void btCloseClick();
    void btDelClick();
    void edWordChange();
    void lbAddEnter();
    void edWordEnter();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace vellumar::ui
