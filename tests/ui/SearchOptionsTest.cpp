// The options of the page "Поиск": where to search, what the mask stands for,
// the text file, and the choices kept for the next start.

#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QPlainTextEdit>

#include <filesystem>

#include "engine/Cp1251Literal.h"
#include "tests/ui/SearchTestSupport.h"

namespace vellumar::test {
namespace {

class SearchOptions : public SearchWindow {
protected:
    void SetUp() override {
        // A three-letter clue inside the definition of a seven-letter entry,
        // and an entry whose word and definition both fit «КОТ».
        folder.dir.Write("arc.dic", MakeArchive(MethodLH5, W("Архив"),
                                                {{3, {W("котКот, мяукает")}},
                                                 {7, {W("котёнокМаленький кот")}},
                                                 {5, {W("котикЗверёк")}}}));
        Open();
    }
    void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    // The text of the definitions panel with the bold runs in brackets.
    QString MarkedDefinitions() {
        QString out;
        for (QTextBlock b = w().mDescr->document()->begin(); b.isValid(); b = b.next()) {
            if (!out.isEmpty()) out += QLatin1Char('\n');
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextFragment f = it.fragment();
                const bool bold = f.charFormat().fontWeight() == QFont::Bold;
                out += bold ? QStringLiteral("[%1]").arg(f.text()) : f.text();
            }
        }
        return out;
    }
};

TEST_F(SearchOptions, EveryOptionIsOfferedAndTheFileFieldFollowsItsButton) {
    for (QWidget* option : std::initializer_list<QWidget*>{w().rbW, w().rbD, w().rbWD, w().rbF, w().rbWordOnly,
                                                           w().rbWordBegin, w().rbWordEnd, w().rbWordAny})
        EXPECT_TRUE(option->isEnabled()) << option->objectName().toStdString();
    EXPECT_FALSE(w().cbFile->isEnabled() || w().btFile->isEnabled());
    Click(w().rbF);
    EXPECT_TRUE(w().cbFile->isEnabled() && w().btFile->isEnabled());
    Click(w().rbD);
    EXPECT_FALSE(w().cbFile->isEnabled() || w().btFile->isEnabled());
}

TEST_F(SearchOptions, DefinitionsAreSearchedInEveryMemberAndTheFittingWordsShowBold) {
    Click(w().rbD);
    SearchGrid("КОТ");
    EXPECT_EQ(Listed(), (Lines{"котКот,мяукает", "котёнокМаленький кот"}));
    EXPECT_EQ(MarkedDefinitions(), Q("1) [Кот], мяукает"));
    w().lbWords->setCurrentIndex(w().Results->index(1));
    EXPECT_EQ(MarkedDefinitions(), Q("1) Маленький [кот]"));

    // Either way: the entry that fits both ways is there once, its definition once.
    Click(w().rbWD);
    SearchGrid("КОТ");
    EXPECT_EQ(Listed(), (Lines{"котКот,мяукает", "котёнокМаленький кот"}));

    // A search in words alone marks nothing.
    Click(w().rbW);
    SearchGrid("КОТ");
    EXPECT_EQ(Listed(), Lines{"котКот,мяукает"});
    EXPECT_EQ(MarkedDefinitions(), Q("1) Кот, мяукает"));
}

TEST_F(SearchOptions, PartsOfWordsReadTheLongerMembers) {
    Click(w().rbWordBegin);
    SearchGrid("КОТ");
    EXPECT_EQ(Listed(), (Lines{"котКот,мяукает", "котёнокМаленький кот", "котикЗверёк"}));
    Click(w().rbWordEnd);
    SearchGrid("ИК");
    EXPECT_EQ(Listed(), Lines{"котикЗверёк"});
    Click(w().rbWordAny);
    SearchGrid("ТЕН");
    EXPECT_EQ(Listed(), Lines{"котёнокМаленький кот"});
}

TEST_F(SearchOptions, TheTextFileIsSearchedInsteadAndAMissingOneChangesNothing) {
    folder.dir.Write("text.txt", std::string(Utf8ByteOrderMark) + "Кот и кот, кит!\r\nКотёнок");
    Click(w().rbF);
    Type(w().cbFile, folder.dir.File("text.txt").c_str());
    SearchGrid("К Т");
    EXPECT_EQ(Listed(), (Lines{"кит", "кот"}));
    EXPECT_EQ(w().PageControl->currentWidget(), w().Tab2);
    EXPECT_EQ(MarkedDefinitions(), Q("Без определения"));
    EXPECT_EQ(w().cbFile->itemText(0), QString::fromStdString(folder.dir.File("text.txt")));

    const QString countBefore = w().lbCount->text();
    w().PageControl->setCurrentWidget(w().Tab1);
    Type(w().cbFile, folder.dir.File("нет.txt").c_str());
    SearchGrid("К Т");
    EXPECT_EQ(seams.seen.messages, std::vector<QString>{Q("Не могу прочитать файл ") +
                                                        QString::fromStdString(folder.dir.File("нет.txt"))});
    EXPECT_EQ(w().Results->Count(), 0);
    EXPECT_EQ(w().lbCount->text(), countBefore);
    EXPECT_EQ(w().PageControl->currentWidget(), w().Tab1);
}

TEST_F(SearchOptions, TheChoicesAreKeptForTheNextStart) {
    EXPECT_TRUE(w().rbW->isChecked() && w().rbWordOnly->isChecked());   // an ini without them
    Click(w().rbF);
    Click(w().rbWordAny);
    Type(w().cbFile, "/tmp/слова.txt");
    w().close();
    forms.reset();
    Open();
    EXPECT_TRUE(w().rbF->isChecked() && w().rbWordAny->isChecked());
    EXPECT_EQ(w().cbFile->currentText(), Q("/tmp/слова.txt"));
    EXPECT_TRUE(w().cbFile->isEnabled());
    Click(w().rbWD);
    Click(w().rbWordEnd);
    w().close();
    forms.reset();
    Open();
    EXPECT_TRUE(w().rbWD->isChecked() && w().rbWordEnd->isChecked());
}

TEST_F(SearchOptions, TheWindowAndTheCommandLineToolFindTheSame) {
    for (const char* name : {"spelling.dic", "synonyms.dic"})
        std::filesystem::copy_file(std::string(VELLUMAR_BIN_DIR) + "/" + name, folder.dir.Path() / name);
    forms.reset();
    Open();
    const struct {
        QRadioButton* where;
        QRadioButton* part;
        const char* mask;
        std::vector<std::string> options;
    } queries[] = {{w().rbD, w().rbWordOnly, "К  Т ", {"--where", "definitions", "к??т?"}},
                   {w().rbWD, w().rbWordBegin, "ПИР", {"--where", "both", "--part", "begin", "пир"}},
                   {w().rbW, w().rbWordAny, "ОТЕН", {"--part", "any", "отен"}}};
    for (const auto& q : queries) {
        SCOPED_TRACE(q.mask);
        w().PageControl->setCurrentWidget(w().Tab1);
        Click(q.where);
        Click(q.part);
        SearchGrid(q.mask);
        ExpectSameAsCommandLine(q.options);
    }
}

}  // namespace
}  // namespace vellumar::test
