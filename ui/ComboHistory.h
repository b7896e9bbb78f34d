#pragma once
// The drop-down histories of the editable combo boxes: newest first, repeats
// kept, no limit.

#include <QComboBox>

namespace vellumar::ui {

// Puts `text` at the top of the history. What the box shows stays as it was:
// the toolkit would otherwise show the new item when the history was empty.
inline void AddToHistory(QComboBox* combo, const QString& text) {
    const QString shown = combo->currentText();
    combo->insertItem(0, text);
    if (combo->currentText() != shown) combo->setEditText(shown);
}

}  // namespace vellumar::ui
