#pragma once
// The tests of the search run and the results page: the main window made over
// the dictionaries that a test wrote, shown and active, with the mask put into
// the grid, real typing into a combo box and the result list read as UTF-8.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "tests/common/Cp1251.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/MaskGrid.h"
#include "ui/ResultListModel.h"

namespace vellumar::test {

using Lines = std::vector<std::string>;

class SearchWindow : public ::testing::Test {
protected:
    // Makes the window; the dictionaries must be written before.
    void Open() {
        forms = std::make_unique<FormsScope>();
        ASSERT_TRUE(ShowActive(&w()));
    }
    void TearDown() override { forms.reset(); }
    ui::TfmMain& w() { return forms->main(); }

    // The grid as long as `maskUtf8`, one letter or blank per cell.
    void SetMask(const std::string& maskUtf8) {
        const std::string mask = W(maskUtf8);
        ui::MaskGridState& state = w().Grid->State();
        while (state.Length() > static_cast<int>(mask.size())) state.Shorten();
        while (state.Length() < static_cast<int>(mask.size())) state.Lengthen();
        for (std::size_t i = 0; i < mask.size(); ++i) state.SetCell(static_cast<int>(i), std::string(1, mask[i]));
    }
    void SearchGrid(const std::string& maskUtf8) {
        SetMask(maskUtf8);
        QTest::mouseClick(w().btRun, Qt::LeftButton);
    }
    // Replaces the box's text by real key events (QTest's keyClicks takes Latin-1 only).
    static void Type(QComboBox* box, const char* utf8) {
        box->clearEditText();
        for (const QChar c : Q(utf8))
            QTest::sendKeyEvent(QTest::Click, box->lineEdit(), Qt::Key_unknown, QString(c), {});
    }
    Lines Listed() {
        Lines out;
        for (const std::string& entry : w().Results->Entries()) out.push_back(U(entry));
        return out;
    }

    ProgramFolder folder;
    SeamScope seams;
    std::unique_ptr<FormsScope> forms;
};

}  // namespace vellumar::test
