// The page "Результаты": the drawn rows, the details of the selected entry,
// the sort panels, the keep/remove filter and storing a definition.

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <initializer_list>

#include "tests/ui/SearchTestSupport.h"
#include "ui/Panel.h"

namespace vellumar::test {
namespace {

class ResultsPage : public SearchWindow {
protected:
    void SetUp() override {
        folder.WritePlainDictionary("a.dic", "Первый",
                                    {"китЖивотное", "котЗверь", "котРыба", "сомРЫБА", "ёршРыба", "ёж", "гусь"});
        folder.WritePlainDictionary("b.dic", "Второй", {"китМлекопитающее", "котК"});
        folder.WritePlainDictionary("c.dic", "Третий", {"китОгромный"});
        Open();
    }
    void ClickRow(int row) {
        const QRect rect = w().lbWords->visualRect(w().Results->index(row));
        QTest::mouseClick(w().lbWords->viewport(), Qt::LeftButton, {}, rect.center());
    }
};

TEST_F(ResultsPage, RowsShowTheWordAloneAndASelectionShowsItsDetails) {
    SearchGrid("К Т");
    ASSERT_EQ(Listed(), (Lines{"китЖивотное·Млекопитающее·Огромный", "котЗверь·К·Рыба"}));
    EXPECT_EQ(w().lInfo->text(), QString());
    EXPECT_EQ(w().mDescr->toPlainText(), Q("1) Животное\n2) Млекопитающее\n3) Огромный"));

    // Rows of 15 pixels across the list; the selected one in the highlight colour.
    const QRect second = w().lbWords->visualRect(w().Results->index(1));
    EXPECT_EQ(second, QRect(0, 15, w().lbWords->viewport()->width(), 15));
    const QImage shot = w().lbWords->viewport()->grab().toImage();
    const QPalette& palette = w().lbWords->palette();
    EXPECT_EQ(shot.pixelColor(1, 7), palette.color(QPalette::Highlight));
    EXPECT_EQ(shot.pixelColor(1, 22), palette.color(QPalette::Base));

    ClickRow(1);
    EXPECT_EQ(w().lInfo->text(), Q("Длина = 3 Вес = 48"));
    EXPECT_EQ(w().L3->text(), Q("Новое определение к слову \"кот\""));
    EXPECT_EQ(w().mDescr->toPlainText(), Q("1) Зверь\n3) Рыба"));   // the one-letter piece keeps its number

    Type(w().cbWord, "ёж");
    QTest::mouseClick(w().btFindWord, Qt::LeftButton);
    ClickRow(0);
    EXPECT_EQ(w().lInfo->text(), Q("Длина = 2 Вес = 15"));
    EXPECT_EQ(w().mDescr->toPlainText(), Q("Без определения"));
}

TEST_F(ResultsPage, SortPanelsPressSortAndSwapTheirLooks) {
    w().Results->SetEntries({W("кот"), W("сом"), W("ёж"), W("аист")});
    w().RefreshResultsPage();
    w().PageControl->setCurrentWidget(w().Tab2);
    std::vector<bool> hiddenAndBusy;   // while each sort moves the entries
    QObject::connect(w().Results, &QAbstractItemModel::layoutChanged, [&] {
        hiddenAndBusy.push_back(!w().lbWords->isVisible() && w().gagSort->isVisible() &&
                                QApplication::overrideCursor());
    });
    const QPoint home = w().pnLen->pos();
    QTest::mousePress(w().pnLen, Qt::LeftButton);
    EXPECT_EQ(w().pnLen->pos(), home + QPoint(1, 1));
    EXPECT_TRUE(w().pnLen->IsLowered() && !w().pnABC->IsLowered());
    QTest::mouseRelease(w().pnLen, Qt::LeftButton);
    EXPECT_EQ(w().pnLen->pos(), home);
    EXPECT_EQ(Listed(), (Lines{"аист", "сом", "кот", "ёж"}));
    EXPECT_FALSE(w().pnLen->isEnabled());
    EXPECT_TRUE(w().pnABC->isEnabled() && w().pnMas->isEnabled());
    EXPECT_FALSE(w().pnABC->IsLowered() || w().pnMas->IsLowered());

    QTest::mouseClick(w().pnMas, Qt::LeftButton);
    EXPECT_EQ(Listed(), (Lines{"аист", "сом", "кот", "ёж"}));   // 50, 49, 48, 15
    EXPECT_EQ(hiddenAndBusy, (std::vector<bool>{true, true}));
    EXPECT_TRUE(w().lbWords->isVisible() && !w().gagSort->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    QTest::mouseClick(w().pnABC, Qt::LeftButton);
    EXPECT_EQ(Listed(), (Lines{"аист", "ёж", "кот", "сом"}));
}

TEST_F(ResultsPage, FilterKeepsOrRemovesEntriesByTextInAnyCase) {
    SearchGrid("   ");
    ASSERT_EQ(w().Results->Count(), 4);
    QTest::mouseClick(w().pnLen, Qt::LeftButton);
    w().cbKill->setFocus();
    Type(w().cbKill, "рЫб");
    QTest::keyClick(w().cbKill->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(Listed(), (Lines{"ёршРыба", "котЗверь·К·Рыба", "сомРЫБА"}));
    EXPECT_EQ(w().lbCount->text(), Q("Найдено слов : 3"));
    EXPECT_TRUE(w().pnABC->IsLowered() && w().pnLen->isEnabled());
    EXPECT_EQ(w().cbKill->itemText(0), Q("рЫб"));

    QTest::mouseClick(w().rbKill, Qt::LeftButton);
    Type(w().cbKill, "р");
    QTest::mouseClick(w().btYes2, Qt::LeftButton);
    EXPECT_EQ(w().lbCount->text(), Q("Слова не найдены"));
    for (QWidget* c : std::initializer_list<QWidget*>{w().cbAddOpred, w().rbNotKill, w().rbKill, w().cbKill, w().L3,
                                                      w().pnABC, w().pnLen, w().pnMas, w().lbWords, w().mDescr})
        EXPECT_FALSE(c->isEnabled()) << c->objectName().toStdString();
    EXPECT_TRUE(w().btYes2->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ResultsPage, StoringADefinitionAppendsToANewUserDictionary) {
    Type(w().cbWord, "гусь");
    QTest::mouseClick(w().btFindWord, Qt::LeftButton);
    w().cbAddOpred->setFocus();
    Type(w().cbAddOpred, "домашняя птица");
    QTest::keyClick(w().cbAddOpred->lineEdit(), Qt::Key_Return);
    const std::string stored = "Пользовательский словарь\r\nгусьДомашняя птица\r\n";
    EXPECT_EQ(U(folder.dir.Read("user's.dic")), stored);
    EXPECT_EQ(w().cbAddOpred->itemText(0), Q("домашняя птица"));
    EXPECT_EQ(w().cbAddOpred->currentText(), QString());
    EXPECT_FALSE(w().btYes1->isEnabled());

    QTest::keyClick(w().cbAddOpred->lineEdit(), Qt::Key_Tab);   // passes the "Да" button by
    EXPECT_NE(QApplication::focusWidget(), w().btYes1);
    EXPECT_NE(QApplication::focusWidget(), w().cbAddOpred->lineEdit());

    w().lbWords->clearSelection();
    Type(w().cbAddOpred, "птица");
    QTest::mouseClick(w().btYes1, Qt::LeftButton);
    EXPECT_EQ(seams.seen.messages, std::vector<QString>{Q("Для того, чтобы добавить новое определение,\n"
                                                          "необходимо выбрать слово в списке слева")});
    EXPECT_EQ(U(folder.dir.Read("user's.dic")), stored);
}

}  // namespace
}  // namespace vellumar::test
