// The add-words dialog: lines wait in the list (at most 7), are written to
// user's.dic in the order of adding, can be deleted while they wait, and are
// never lost: a failed line stays first, and the program's end writes the rest.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <filesystem>

#include "app/UserDictionary.h"
#include "tests/ui/SideWindowSupport.h"
#include "ui/uAdd.h"

namespace vellumar::test {
namespace {

class AddWordsDialog : public SideWindowTest {
protected:
    void SetUp() override {
        forms = std::make_unique<FormsScope>();
        ASSERT_TRUE(ShowActive(&d()));
    }
    ui::TfmAdd& d() { return *ui::fmAdd; }
    // Types a line into the field (over the selected text) and presses Enter.
    void Add(const char* utf8) {
        d().edWord->setFocus();
        TypeText(d().edWord, Q(utf8));
        QTest::keyClick(d().edWord, Qt::Key_Return);
    }
    QStringList Pending() {
        QStringList lines;
        for (int i = 0; i < d().lbAdd->count(); ++i) lines << d().lbAdd->item(i)->text();
        return lines;
    }
    std::string Dictionary() { return folder.dir.Read(UserDictionaryName); }
    void Close() { QTest::mouseClick(d().btClose, Qt::LeftButton); }
};

TEST_F(AddWordsDialog, TheEighthLineWritesTheFirstAndTheFieldKeepsItsTextSelected) {
    folder.WritePlainDictionary(UserDictionaryName, "Мой", {});
    for (const char* word : {"а", "б", "в", "г", "д", "е", "ж"}) Add(word);
    EXPECT_EQ(Dictionary(), W("Мой\r\n"));
    Add("  Кот   Домашнее животное ");
    EXPECT_EQ(Pending().size(), 7);
    EXPECT_EQ(Pending().back(), Q("котДомашнее животное"));
    EXPECT_EQ(Dictionary(), W("Мой\r\nа\r\n"));
    EXPECT_EQ(d().lAdded->text(), Q("Добавлено \"а\""));
    EXPECT_EQ(d().edWord->selectedText(), Q("  Кот   Домашнее животное "));
    QTest::keyClick(d().edWord, Qt::Key_Return);   // the same line again
    EXPECT_EQ(Pending().mid(5), QStringList(2, Q("котДомашнее животное")));
    EXPECT_TRUE(seams.seen.messages.empty());
}

TEST_F(AddWordsDialog, CloseWritesAllInOrderAndTellsToRestartOnlyAfterCreatingTheFile) {
    for (const char* word : {"кот", "пёс", "ёж"}) Add(word);
    Close();
    EXPECT_FALSE(d().isVisible());
    EXPECT_EQ(Dictionary(), W("Пользовательский словарь\r\nкот\r\nпёс\r\nёж\r\n"));
    EXPECT_EQ(d().lAdded->text(), Q("Добавлено \"ёж\""));
    const QString restart = Q("При добавлении был создан словарь USER'S.DIC\n"
                              "Для того, чтобы программа могла искать в нём слова,\n"
                              "необходимо запустить её заново");
    EXPECT_EQ(seams.seen.messages, std::vector<QString>{restart});
    d().show();
    Close();   // every later "Закрыть" of the run says it again
    EXPECT_EQ(seams.seen.messages.size(), 2u);
}

TEST_F(AddWordsDialog, ADeletedLineIsNeverWritten) {
    folder.WritePlainDictionary(UserDictionaryName, "Мой", {});
    Add("кот");
    Add("пёс");
    EXPECT_FALSE(d().btDel->isEnabled());
    d().lbAdd->setFocus();   // entering the list offers "Удалить"
    EXPECT_TRUE(d().btDel->isEnabled());
    QTest::mouseClick(d().btDel, Qt::LeftButton);   // nothing selected: nothing happens
    EXPECT_EQ(Pending().size(), 2);
    QTest::mouseClick(d().lbAdd->viewport(), Qt::LeftButton, {}, d().lbAdd->visualItemRect(d().lbAdd->item(0)).center());
    QTest::mouseClick(d().btDel, Qt::LeftButton);
    EXPECT_EQ(Pending(), QStringList{Q("пёс")});
    d().edWord->setFocus();
    EXPECT_FALSE(d().btDel->isEnabled());
    Close();
    EXPECT_EQ(Dictionary(), W("Мой\r\nпёс\r\n"));
    EXPECT_TRUE(seams.seen.messages.empty());   // the file existed: no restart message
}

TEST_F(AddWordsDialog, ALineThatCantBeWrittenStaysFirstAndTheDialogStaysOpen) {
    std::filesystem::create_directory(UserDictionaryPath());   // opens as no file
    Add("кот");
    Add("пёс");
    Close();
    EXPECT_TRUE(d().isVisible());
    EXPECT_EQ(seams.seen.messages, std::vector<QString>{Q("Не удалось записать новое определение в файл USER'S.DIC\n"
                                                          "Возможно файл защищён от записи или диск переполнен")});
    EXPECT_EQ(Pending(), (QStringList{Q("кот"), Q("пёс")}));
    std::filesystem::remove(UserDictionaryPath());
    Close();
    EXPECT_FALSE(d().isVisible());
    EXPECT_EQ(Dictionary(), W("Пользовательский словарь\r\nкот\r\nпёс\r\n"));
}

TEST_F(AddWordsDialog, LinesStillPendingAreWrittenWhenTheProgramCloses) {
    folder.WritePlainDictionary(UserDictionaryName, "Мой", {});
    Add("кот");
    d().close();   // the window's own close button leaves the line pending
    EXPECT_EQ(Pending().size(), 1);
    w().close();
    EXPECT_EQ(Dictionary(), W("Мой\r\nкот\r\n"));
}

TEST_F(AddWordsDialog, EmptyFieldAddsNothingAndF1OpensItsHelp) {
    EXPECT_TRUE(d().btAdd->isEnabled());   // enabled at first although empty
    Add("");
    Add(" ");   // blank after trimming
    EXPECT_TRUE(Pending().isEmpty());
    QTest::keyClick(d().edWord, Qt::Key_Backspace);
    EXPECT_FALSE(d().btAdd->isEnabled());
    QTest::keyClick(d().edWord, Qt::Key_F1);
    EXPECT_EQ(seams.seen.helpTopics, std::vector<int>{136});
}

}  // namespace
}  // namespace vellumar::test
