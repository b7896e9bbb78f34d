// The statistics window: "Собрать" counts every dictionary of the catalogue
// once, archives member by member and plain files without their title, and
// fills the 55 labels; with no dictionary it only closes.

#include <QAction>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "tests/app/CliSupport.h"
#include "tests/ui/SideWindowSupport.h"
#include "ui/uStat.h"

namespace vellumar::test {
namespace {

class StatisticsWindow : public SideWindowTest {
protected:
    void TearDown() override {
        SideWindowTest::TearDown();
        QLocale::setDefault(QLocale::c());
    }
    ui::TfmStat& s() { return *ui::fmStat; }
    void Gather() {
        WhileModal([&] { QTest::keyClick(&w(), Qt::Key_F12); },   // although its menu is hidden
                   [&](QWidget* modal) {
                       ASSERT_EQ(modal, &s());
                       QTest::keyClick(modal, Qt::Key_Return);   // "Собрать"
                   });
    }
    QString Length(int n) { return s().LengthLabels[static_cast<std::size_t>(n)]->text(); }
    QString Letter(int j) { return s().LetterLabels[static_cast<std::size_t>(j)]->text(); }
    bool LengthBold(int n) { return s().LengthLabels[static_cast<std::size_t>(n)]->font().bold(); }
    bool LetterBold(int j) { return s().LetterLabels[static_cast<std::size_t>(j)]->font().bold(); }
};

TEST_F(StatisticsWindow, WithoutDictionariesOnlyClosingIsLeftAndEnterDoesIt) {
    Open();
    EXPECT_EQ(s().lDicsCount->text(), Q("Словари не найдены"));
    WhileModal([&] { w().mmStat->trigger(); },
               [&](QWidget* modal) {
                   EXPECT_FALSE(s().btStart->isEnabled());
                   QTest::keyClick(modal, Qt::Key_Return);
                   EXPECT_FALSE(s().isVisible());
               });
}

TEST_F(StatisticsWindow, GathersArchivesAndPlainFilesSwitchedOffOrNot) {
    // Two 3-letter words and ёж in the archive, and one of 23 letters that
    // counts as letters only.
    folder.dir.Write("a.dic", MakeArchive(MethodNON, W("Архив"),
                                          {{3, Ws({"котЗверь", "ёж"})}, {22, Ws({"абвгдеёжзийклмнопрстуфх"})}}));
    folder.WritePlainDictionary("b.dic", "Простой", {"кот", "собака"});
    folder.WritePlainDictionary("c.dic", "Только заголовок", {});
    Open();
    EXPECT_EQ(s().lDicsCount->text(), Q("Количество словарей - 3 шт."));
    w().DictionaryEntries.front()->trigger();   // switched off: still counted
    QLocale::setDefault(QLocale(QLocale::Russian));
    Gather();
    EXPECT_TRUE(seams.seen.messages.empty());
    EXPECT_FALSE(s().btStart->isEnabled());
    EXPECT_TRUE(s().btClose->isDefault());
    EXPECT_EQ(s().GAG->maximum(), 3);
    EXPECT_EQ(s().GAG->value(), 2);
    EXPECT_EQ(Length(2), Q("2 буквы - 1 шт."));
    EXPECT_EQ(Length(3), Q("3 буквы - 2 шт."));
    EXPECT_EQ(Length(6), Q("6 букв - 1 шт."));
    EXPECT_EQ(Length(22), Q("22 буквы - 0 шт."));
    EXPECT_EQ(Length(23), Q("Всего - 4 шт."));
    EXPECT_TRUE(LengthBold(3));
    // 42 letters, definitions included; К and О 4 each: the later letter is bold.
    EXPECT_EQ(s().Counts().letterCounts[7], 2);
    EXPECT_EQ(Letter(12), Q("К - 9,52 %"));
    EXPECT_EQ(Letter(16), Q("О - 9,52 %"));
    EXPECT_TRUE(LetterBold(16) && !LetterBold(12));
    EXPECT_EQ(Letter(33), Q("Я - 0 %"));

    Gather();   // reopened: the same counts, "Собрать" stays off
    EXPECT_EQ(Length(23), Q("Всего - 4 шт."));
}

}  // namespace
}  // namespace vellumar::test
