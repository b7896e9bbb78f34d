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

#include "tests/app/CliSupport.h"
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
    // The result list is what vellumar-cli search finds with `options`
    // (besides --dir and --raw) over the same folder.
    void ExpectSameAsCommandLine(const std::vector<std::string>& options) {
        std::vector<std::string> args{"search", "--dir", folder.dir.Dir(), "--raw"};
        args.insert(args.end(), options.begin(), options.end());
        const CliResult cli = RunCli(folder.dir, args);
        ASSERT_EQ(cli.exitCode, 0) << cli.err;
        std::string listed;
        for (const std::string& entry : w().Results->Entries()) listed += entry + "\n";
        EXPECT_GT(w().Results->Count(), 2);
        EXPECT_EQ(U(listed), U(cli.out));
    }
    Lines Listed() {
        Lines out;
        for (const std::string& entry : w().Results->Entries()) out.push_back(U(entry));
        return out;
    }
};

}  // namespace vellumar::test
