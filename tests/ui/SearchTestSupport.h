#pragma once
// Helpers for the tests of the search run and the results page: the window
// shown and active, the mask put into the grid, typing into a combo box, and
// the result list read back as UTF-8.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QTest>

#include <string>
#include <vector>

#include "tests/common/Cp1251.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/MaskGrid.h"
#include "ui/ResultListModel.h"

namespace vellumar::test {

inline void ShowActive(ui::TfmMain& w) {
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

// The grid as long as `maskUtf8`, one letter or blank per cell.
inline void SetMask(ui::TfmMain& w, const std::string& maskUtf8) {
    const std::string mask = W(maskUtf8);
    ui::MaskGridState& state = w.Grid->State();
    while (state.Length() > static_cast<int>(mask.size())) state.Shorten();
    while (state.Length() < static_cast<int>(mask.size())) state.Lengthen();
    for (std::size_t i = 0; i < mask.size(); ++i) state.SetCell(static_cast<int>(i), std::string(1, mask[i]));
}

// Replaces the box's text by typing `text` with real key events (QTest's
// own keyClicks takes Latin-1 characters only).
inline void Type(QComboBox* box, const QString& text) {
    box->clearEditText();
    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, box->lineEdit(), Qt::Key_unknown, QString(c), {});
}

inline std::vector<std::string> Listed(const ui::TfmMain& w) {
    std::vector<std::string> out;
    for (const std::string& entry : w.Results->Entries()) out.push_back(U(entry));
    return out;
}

inline void ClickRow(ui::TfmMain& w, int row) {
    const QRect rect = w.lbWords->visualRect(w.Results->index(row));
    QTest::mouseClick(w.lbWords->viewport(), Qt::LeftButton, {}, rect.center());
}

}  // namespace vellumar::test
