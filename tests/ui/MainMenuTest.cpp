// The main window's menu bar: pages, dictionary marks, help by page, shortcuts
// with the hidden menu, and the notes written when the window closes.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

#include "tests/ui/UiTestSupport.h"
#include "ui/MaskGrid.h"

namespace vellumar::test {
namespace {

class MainMenu : public WindowTest {
protected:
    void SetUp() override {
        folder.WritePlainDictionary("a.dic", "Первый", {"кот"});
        folder.WritePlainDictionary("b.dic", "Второй", {"кот"});
        Open();
    }
};

TEST_F(MainMenu, PageEntriesBringTheirPagesForward) {
    EXPECT_TRUE(w().Grid->hasFocus());   // typing goes into the grid from the start
    const std::pair<QAction*, QWidget*> entries[] = {
        {w().mmDop, w().Tab4}, {w().mmRes, w().Tab2}, {w().mmNotes, w().Tab3}, {w().mmFind, w().Tab1}};
    for (const auto& [action, page] : entries) {
        action->trigger();
        EXPECT_EQ(w().PageControl->currentWidget(), page) << action->objectName().toStdString();
    }
    EXPECT_TRUE(w().Grid->hasFocus());
}

TEST_F(MainMenu, DictionaryEntryClickedTwiceIsCheckedAgain) {
    QAction* entry = w().DictionaryEntries.front();
    entry->trigger();
    EXPECT_FALSE(entry->isChecked());
    EXPECT_FALSE(w().Catalogue().front().checked);
    EXPECT_TRUE(w().Catalogue().back().checked);
    entry->trigger();
    EXPECT_TRUE(entry->isChecked());
    Q_EMIT w().mmDics->aboutToShow();   // opening the menu changes nothing
    EXPECT_TRUE(entry->isChecked());
}

TEST_F(MainMenu, F1OpensTheTopicOfThePageShown) {
    const std::pair<QWidget*, int> pages[] = {{w().Tab1, 132}, {w().Tab2, 133}, {w().Tab4, 134}, {w().Tab3, 135}};
    for (const auto& [page, topic] : pages) {
        w().PageControl->setCurrentWidget(page);
        QTest::keyClick(&w(), Qt::Key_F1);
        ASSERT_FALSE(seams.seen.helpTopics.empty());
        EXPECT_EQ(seams.seen.helpTopics.back(), topic);
    }
    w().mmWhatsNew->trigger();
    EXPECT_EQ(seams.seen.helpTopics.back(), 11);
    EXPECT_FALSE(w().mmSearch->menuAction()->isVisible());
    EXPECT_EQ(w().mmStat->shortcut(), QKeySequence(Qt::Key_F12));
    EXPECT_TRUE(w().actions().contains(w().mmStat));   // reachable although its menu is hidden
}

TEST_F(MainMenu, ClosingSavesTheNotesCreatingTheFile) {
    ASSERT_FALSE(std::filesystem::exists(folder.dir.File("Notes.txt")));
    w().close();
    EXPECT_EQ(folder.dir.Read("Notes.txt"), "");
    w().show();
    w().mmNotes->trigger();
    TypeText(w().mNotes, Q("кот"));
    QTest::keyClick(w().mNotes, Qt::Key_Return);
    QTest::keyClicks(w().mNotes, QStringLiteral("b"));
    w().mmExit->trigger();
    EXPECT_EQ(folder.dir.Read("Notes.txt"), W("кот\r\nb"));
    EXPECT_TRUE(seams.seen.messages.empty());
}

}  // namespace
}  // namespace vellumar::test
