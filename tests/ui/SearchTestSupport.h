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

class SearchWindow : public WindowTest {
protected:
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
    // Replaces the box's text by real key events.
    static void Type(QComboBox* box, const char* utf8) {
        box->clearEditText();
        TypeText(box->lineEdit(), Q(utf8));
    }
    Lines Listed() {
        Lines out;
        for (const std::string& entry : w().Results->Entries()) out.push_back(U(entry));
        return out;
    }
};

}  // namespace vellumar::test
