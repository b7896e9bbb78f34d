// The search run from the window: the grid, the anagram and the word lookup
// buttons, the gauge, the histories, rejected queries and failures.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <filesystem>

#include "tests/app/CliSupport.h"
#include "tests/ui/SearchTestSupport.h"

namespace vellumar::test {
namespace {

using SearchRun = SearchWindow;

QStringList History(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

const QString NothingFound = Q("Не удалось найти подходящих слов\nПопробуйте изменить запрос");

TEST_F(SearchRun, GridMaskReadsItsMemberInEveryDictionaryAndMergesInAlphabeticalOrder) {
    // A five-letter word in the six-letter member shows whether the right member is read.
    folder.dir.Write("arc.dic", MakeArchive(MethodLH5, W("Архив"),
                                            {{5, {W("катерСудно"), W("котикЗверь")}}, {6, {W("китайСтрана")}}}));
    folder.WritePlainDictionary("b.dic", "Второй", {"катерЛодка", "котикКот"});
    folder.WritePlainDictionary("c.dic", "Третий", {"катер", "котикМалыш"});
    Open();
    std::vector<std::pair<int, int>> gauge;   // value of maximum, after each dictionary
    bool busy = true;
    QObject::connect(w().Gag, &QProgressBar::valueChanged, [&](int value) {
        gauge.emplace_back(value, w().Gag->maximum());
        busy = busy && !w().btRun->isEnabled() && !w().btClear->isEnabled() && w().Gag->isVisible() &&
               QApplication::overrideCursor();
    });
    SearchGrid("К Т  ");

    EXPECT_EQ(Listed(), (Lines{"катерЛодка·Судно", "котикЗверь·Кот·Малыш"}));
    EXPECT_EQ(gauge, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));
    EXPECT_TRUE(busy);
    EXPECT_TRUE(seams.seen.messages.empty());
    EXPECT_EQ(w().PageControl->currentWidget(), w().Tab2);
    EXPECT_TRUE(w().lbWords->hasFocus());
    EXPECT_TRUE(w().btRun->isEnabled() && w().btClear->isEnabled());
    EXPECT_FALSE(w().Gag->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(SearchRun, UncheckedDictionariesAreNotReadAndAnUnreadableOneIsReported) {
    std::string damaged = MakeArchive(MethodNON, W("Битый"), {{3, {W("котЗверь")}}});
    damaged.resize(damaged.size() - 3);   // the last member is cut short
    folder.dir.Write("bad.dic", damaged);
    folder.WritePlainDictionary("good.dic", "Хороший", {"котКошка"});
    Open();
    SetMask("КОТ");
    for (QAction* entry : w().DictionaryEntries) entry->trigger();   // all unchecked
    QTest::mouseClick(w().btRun, Qt::LeftButton);
    EXPECT_EQ(seams.seen.messages, std::vector<QString>{NothingFound});
    EXPECT_EQ(w().Gag->value(), 0);

    seams.seen.messages.clear();
    for (QAction* entry : w().DictionaryEntries) entry->trigger();
    QTest::mouseClick(w().btRun, Qt::LeftButton);
    EXPECT_EQ(seams.seen.messages, std::vector<QString>{Q("Не могу прочитать архивный словарь")});
    EXPECT_EQ(Listed(), Lines{"котКошка"});
}

TEST_F(SearchRun, WithoutDictionariesTheRunSaysSo) {
    Open();
    QTest::mouseClick(w().btRun, Qt::LeftButton);
    EXPECT_EQ(seams.seen.messages, (std::vector<QString>{Q("Словари не найдены"), NothingFound}));
    EXPECT_EQ(w().lbCount->text(), Q("Слова не найдены"));
}

class QueryRun : public SearchWindow {
protected:
    void SetUp() override {
        folder.WritePlainDictionary("a.dic", "Словарь", {"котЗверь", "кит", "ток", "ёж"});
        Open();
    }
};

TEST_F(QueryRun, RejectedQueriesSelectTheCharacterAndStillEmptyTheList) {
    SearchGrid("   ");
    ASSERT_EQ(w().Results->Count(), 3);
    Type(w().cbAnag, "кот1");
    QTest::mouseClick(w().btFindAnag, Qt::LeftButton);
    EXPECT_EQ(seams.seen.messages,
              std::vector<QString>{Q("Неправильно задана маска для поиска анаграмм\nДопустимы только русские буквы")});
    EXPECT_EQ(w().cbAnag->lineEdit()->selectionStart(), 3);
    EXPECT_EQ(w().cbAnag->lineEdit()->selectedText(), Q("1"));
    EXPECT_EQ(w().PageControl->currentWidget(), w().Tab4);
    EXPECT_EQ(w().Results->Count(), 0);
    EXPECT_EQ(w().lbCount->text(), Q("Найдено слов : 3"));
    EXPECT_EQ(w().cbAnag->count(), 0);

    // A blank is no letter of an anagram, but an open place of a word lookup.
    Type(w().cbAnag, "к т");
    QTest::mouseClick(w().btFindAnag, Qt::LeftButton);
    EXPECT_EQ(w().cbAnag->lineEdit()->selectionStart(), 1);
    Type(w().cbWord, "к т");
    QTest::mouseClick(w().btFindWord, Qt::LeftButton);
    EXPECT_EQ(Listed(), (Lines{"кит", "котЗверь"}));
    Type(w().cbWord, "к$т");
    QTest::mouseClick(w().btFindWord, Qt::LeftButton);
    EXPECT_EQ(seams.seen.messages.back(),
              Q("Неправильно задана маска для слова\nДопустимы только русские буквы и пробелы"));
    EXPECT_EQ(w().cbWord->lineEdit()->selectedText(), Q("$"));
    EXPECT_EQ(History(w().cbWord), QStringList{Q("К Т")});
}

TEST_F(QueryRun, EnterInTheAnagramBoxSearchesAnagramsAndOnTheSearchPageTheGrid) {
    EXPECT_FALSE(w().btFindAnag->isEnabled());
    for (const char* query : {"ток", "кот", "кот"}) {
        w().PageControl->setCurrentWidget(w().Tab4);
        w().cbAnag->setFocus();
        Type(w().cbAnag, query);
        QTest::keyClick(w().cbAnag->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(Listed(), (Lines{"котЗверь", "ток"}));
    }
    EXPECT_EQ(History(w().cbAnag), (QStringList{Q("КОТ"), Q("КОТ"), Q("ТОК")}));
    EXPECT_EQ(w().cbAnag->currentText(), Q("кот"));
    w().cbAnag->clearEditText();
    EXPECT_FALSE(w().btFindAnag->isEnabled());

    w().PageControl->setCurrentWidget(w().Tab1);
    w().Grid->setFocus();
    SetMask("К Т");
    QTest::keyClick(w().Grid, Qt::Key_Return);
    EXPECT_EQ(Listed(), (Lines{"кит", "котЗверь"}));
}

TEST_F(QueryRun, WeightFilterAppliesToTheWordLookupButNotToAnagrams) {
    w().cMass->setChecked(true);
    w().edMass->setText(QStringLiteral("42"));   // "=" is chosen at start
    Type(w().cbWord, "К Т");
    QTest::mouseClick(w().btFindWord, Qt::LeftButton);
    EXPECT_EQ(Listed(), Lines{"кит"});
    Type(w().cbAnag, "кот");
    QTest::mouseClick(w().btFindAnag, Qt::LeftButton);
    EXPECT_EQ(Listed(), (Lines{"котЗверь", "ток"}));

    w().edMass->setText(QStringLiteral("43"));
    QTest::mouseClick(w().btFindWord, Qt::LeftButton);
    EXPECT_EQ(seams.seen.messages, std::vector<QString>{NothingFound});
    EXPECT_EQ(w().PageControl->currentWidget(), w().Tab4);

    w().edMass->setText(QStringLiteral("1a"));
    QTest::mouseClick(w().btFindWord, Qt::LeftButton);
    EXPECT_EQ(seams.seen.messages.back(), Q("'1a' is not a valid integer value"));
    EXPECT_TRUE(w().btRun->isEnabled() && w().btClear->isEnabled());
    EXPECT_FALSE(w().Gag->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(QueryRun, TheFileChoiceFollowsItsRadioButtonAndTheDialog) {
    QTest::mouseClick(w().rbF, Qt::LeftButton);
    seams.seen.fileAnswer = QStringLiteral("/tmp/words.txt");
    QTest::mouseClick(w().btFile, Qt::LeftButton);
    EXPECT_EQ(w().cbFile->currentText(), QStringLiteral("/tmp/words.txt"));
    EXPECT_EQ(History(w().cbFile), QStringList{QStringLiteral("/tmp/words.txt")});
    QTest::mouseClick(w().rbW, Qt::LeftButton);
    EXPECT_FALSE(w().cbFile->isEnabled() || w().btFile->isEnabled());
}

TEST_F(SearchRun, TheWindowFindsWhatTheCommandLineToolFinds) {
    for (const char* name : {"spelling.dic", "synonyms.dic"})
        std::filesystem::copy_file(std::string(VELLUMAR_BIN_DIR) + "/" + name, folder.dir.Path() / name);
    folder.WritePlainDictionary("user's.dic", "Пользовательский словарь", {"катерМоторный", "кутёж"});
    Open();
    SearchGrid("К Т  ");
    ExpectSameAsCommandLine({"к?т??"});
    EXPECT_GT(w().Results->Count(), 10);
}

}  // namespace
}  // namespace vellumar::test
