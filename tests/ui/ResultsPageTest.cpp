// The page "Результаты": the drawn list, the details of the selected entry,
// the three sort panels, the keep/remove filter and storing a definition.

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

using Lines = std::vector<std::string>;

class ResultsPage : public ::testing::Test {
protected:
    void SetUp() override {
        folder.WritePlainDictionary("a.dic", "Первый",
                                    {"китЖивотное", "котЗверь", "котРыба", "сомРЫБА", "ёршРыба", "ёж", "гусь"});
        folder.WritePlainDictionary("b.dic", "Второй", {"китМлекопитающее", "котК"});
        folder.WritePlainDictionary("c.dic", "Третий", {"китОгромный"});
        forms = std::make_unique<FormsScope>();
        ShowActive(w());
    }
    void TearDown() override { forms.reset(); }
    ui::TfmMain& w() { return forms->main(); }

    void SearchGrid(const std::string& mask) {
        SetMask(w(), mask);
        QTest::mouseClick(w().btRun, Qt::LeftButton);
    }

    ProgramFolder folder;
    SeamScope seams;
    std::unique_ptr<FormsScope> forms;
};

TEST_F(ResultsPage, RowsShowTheWordAloneAndASelectionShowsItsDetails) {
    SearchGrid("К Т");
    ASSERT_EQ(Listed(w()), (Lines{"китЖивотное·Млекопитающее·Огромный", "котЗверь·К·Рыба"}));
    EXPECT_EQ(w().lInfo->text(), QString());
    EXPECT_EQ(w().mDescr->toPlainText(), Q("1) Животное\n2) Млекопитающее\n3) Огромный"));

    // Rows of 15 pixels across the list; the selected one in the highlight colour.
    const QRect second = w().lbWords->visualRect(w().Results->index(1));
    EXPECT_EQ(second.top(), 15);
    EXPECT_EQ(second.height(), 15);
    EXPECT_EQ(second.width(), w().lbWords->viewport()->width());
    const QImage shot = w().lbWords->viewport()->grab().toImage();
    const QPalette& palette = w().lbWords->palette();
    EXPECT_EQ(shot.pixelColor(1, 7), palette.color(QPalette::Highlight));
    EXPECT_EQ(shot.pixelColor(1, 22), palette.color(QPalette::Base));
    EXPECT_EQ(shot.pixelColor(0, 22), palette.color(QPalette::Base));   // the word starts 2 pixels in

    ClickRow(w(), 1);
    EXPECT_EQ(w().lInfo->text(), Q("Длина = 3 Вес = 48"));
    EXPECT_EQ(w().L3->text(), Q("Новое определение к слову \"кот\""));
    EXPECT_EQ(w().mDescr->toPlainText(), Q("1) Зверь\n3) Рыба"));   // the one-letter piece keeps its number

    Type(w().cbWord, Q("ёж"));
    QTest::mouseClick(w().btFindWord, Qt::LeftButton);
    ClickRow(w(), 0);
    EXPECT_EQ(w().lInfo->text(), Q("Длина = 2 Вес = 15"));
    EXPECT_EQ(w().mDescr->toPlainText(), Q("Без определения"));
}

// Records whether the list was hidden and the pointer busy when the gauge showed.
class SortWatch : public QObject {
public:
    explicit SortWatch(ui::TfmMain& w) : w_(w) { w.gagSort->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) shownBusy.push_back(!w_.lbWords->isVisible() && QApplication::overrideCursor());
        return false;
    }
    std::vector<bool> shownBusy;

private:
    ui::TfmMain& w_;
};

TEST_F(ResultsPage, SortPanelsPressSortAndSwapTheirLooks) {
    w().Results->SetEntries({W("кот"), W("сом"), W("ёж"), W("аист")});
    w().RefreshResultsPage();
    w().PageControl->setCurrentWidget(w().Tab2);
    SortWatch watch(w());
    const QPoint home = w().pnLen->pos();

    QTest::mousePress(w().pnLen, Qt::LeftButton);
    EXPECT_EQ(w().pnLen->pos(), home + QPoint(1, 1));
    EXPECT_TRUE(w().pnLen->IsLowered());
    EXPECT_FALSE(w().pnABC->IsLowered());
    QTest::mouseRelease(w().pnLen, Qt::LeftButton);
    EXPECT_EQ(w().pnLen->pos(), home);
    EXPECT_EQ(Listed(w()), (Lines{"аист", "сом", "кот", "ёж"}));
    EXPECT_FALSE(w().pnLen->isEnabled());
    EXPECT_TRUE(w().pnABC->isEnabled() && w().pnMas->isEnabled());
    EXPECT_FALSE(w().pnABC->IsLowered() || w().pnMas->IsLowered());

    QTest::mouseClick(w().pnMas, Qt::LeftButton);
    EXPECT_EQ(Listed(w()), (Lines{"аист", "сом", "кот", "ёж"}));   // 50, 49, 48, 15
    EXPECT_FALSE(w().pnMas->isEnabled());
    EXPECT_EQ(watch.shownBusy, (std::vector<bool>{true, true}));
    EXPECT_TRUE(w().lbWords->isVisible());
    EXPECT_FALSE(w().gagSort->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    QTest::mouseClick(w().pnABC, Qt::LeftButton);
    EXPECT_EQ(Listed(w()), (Lines{"аист", "ёж", "кот", "сом"}));
    EXPECT_FALSE(w().pnABC->isEnabled());
}

TEST_F(ResultsPage, FilterKeepsOrRemovesEntriesByTextInAnyCase) {
    SearchGrid("   ");
    ASSERT_EQ(w().Results->Count(), 4);
    QTest::mouseClick(w().pnLen, Qt::LeftButton);

    w().cbKill->setFocus();
    Type(w().cbKill, Q("рЫб"));
    QTest::keyClick(w().cbKill->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(Listed(w()), (Lines{"ёршРыба", "котЗверь·К·Рыба", "сомРЫБА"}));
    EXPECT_EQ(w().lbCount->text(), Q("Найдено слов : 3"));
    EXPECT_TRUE(w().pnABC->IsLowered());
    EXPECT_TRUE(w().pnLen->isEnabled());
    EXPECT_EQ(w().cbKill->itemText(0), Q("рЫб"));
    EXPECT_EQ(w().cbKill->currentText(), Q("рЫб"));

    QTest::mouseClick(w().rbKill, Qt::LeftButton);
    Type(w().cbKill, Q("р"));
    QTest::mouseClick(w().btYes2, Qt::LeftButton);
    EXPECT_EQ(w().Results->Count(), 0);
    EXPECT_EQ(w().lbCount->text(), Q("Слова не найдены"));
    for (QWidget* c : std::initializer_list<QWidget*>{w().cbAddOpred, w().rbNotKill, w().rbKill, w().cbKill, w().L3,
                                                      w().pnABC, w().pnLen, w().pnMas, w().lbWords, w().mDescr})
        EXPECT_FALSE(c->isEnabled()) << c->objectName().toStdString();
    EXPECT_TRUE(w().btYes2->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ResultsPage, StoringADefinitionAppendsToANewUserDictionary) {
    Type(w().cbWord, Q("гусь"));
    QTest::mouseClick(w().btFindWord, Qt::LeftButton);
    ASSERT_EQ(Listed(w()), Lines{"гусь"});

    w().cbAddOpred->setFocus();
    Type(w().cbAddOpred, Q("домашняя птица"));
    EXPECT_TRUE(w().btYes1->isEnabled());
    QTest::keyClick(w().cbAddOpred->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(U(folder.dir.Read("user's.dic")), "Пользовательский словарь\r\nгусьДомашняя птица\r\n");
    EXPECT_EQ(w().cbAddOpred->itemText(0), Q("домашняя птица"));
    EXPECT_EQ(w().cbAddOpred->currentText(), QString());
    EXPECT_FALSE(w().btYes1->isEnabled());
    EXPECT_TRUE(seams.seen.messages.empty());

    // Tab passes the two "Да" buttons by.
    QTest::keyClick(w().cbAddOpred->lineEdit(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), w().btYes1);
    EXPECT_NE(QApplication::focusWidget(), w().cbAddOpred->lineEdit());

    w().lbWords->clearSelection();
    Type(w().cbAddOpred, Q("птица"));
    QTest::mouseClick(w().btYes1, Qt::LeftButton);
    EXPECT_EQ(seams.seen.messages, std::vector<QString>{Q("Для того, чтобы добавить новое определение,\n"
                                                          "необходимо выбрать слово в списке слева")});
    EXPECT_EQ(U(folder.dir.Read("user's.dic")), "Пользовательский словарь\r\nгусьДомашняя птица\r\n");
}

}  // namespace
}  // namespace vellumar::test
