// The statistics window: "Собрать" counts every dictionary of the catalogue
// once, archives member by member and plain files without their title, and
// fills the 55 labels; with no dictionary it only closes.

#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "archive/ArchiveFormat.h"
#include "tests/ui/SideWindowSupport.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/uStat.h"

namespace vellumar::test {
namespace {

// An archive of stored members (name, cp1251 text).
std::string StoredArchive(const std::vector<std::pair<std::string, std::string>>& members) {
    ArchiveHeader header;
    header.methodId = "NON";
    std::string body;
    for (const auto& [name, text] : members) {
        MemberHeader member;
        member.nameLength = static_cast<std::int16_t>(name.size());
        member.originalSize = member.compressedSize = static_cast<std::int32_t>(text.size());
        member.method = MethodNON;
        member.checksum = ByteSum(text);
        body += EncodeMemberHeader(member) + name + text;
        header.totalSize += member.originalSize;
    }
    return EncodeArchiveHeader(header) + body;
}

class StatisticsWindow : public ::testing::Test {
protected:
    void TearDown() override {
        forms.reset();
        QLocale::setDefault(QLocale::c());
    }
    void Open() {
        forms = std::make_unique<FormsScope>();
        s().show();
    }
    ui::TfmStat& s() { return *ui::fmStat; }
    QString Length(int n) { return s().LengthLabels[static_cast<std::size_t>(n)]->text(); }
    QString Letter(int j) { return s().LetterLabels[static_cast<std::size_t>(j)]->text(); }
    bool LengthBold(int n) { return s().LengthLabels[static_cast<std::size_t>(n)]->font().bold(); }
    bool LetterBold(int j) { return s().LetterLabels[static_cast<std::size_t>(j)]->font().bold(); }

    ProgramFolder folder;
    SeamScope seams;
    std::unique_ptr<FormsScope> forms;
};

TEST_F(StatisticsWindow, WithoutDictionariesOnlyClosingIsLeftAndEnterDoesIt) {
    Open();
    EXPECT_EQ(s().lDicsCount->text(), Q("Словари не найдены"));
    EXPECT_FALSE(s().btStart->isEnabled());
    EXPECT_TRUE(s().btClose->isDefault());
    EXPECT_EQ(Length(2), Q("2 буквы"));
    EXPECT_EQ(Length(21), Q("21 буква"));
    EXPECT_EQ(Length(23), Q("Всего"));
    EXPECT_EQ(s().LengthLabels[13]->pos(), QPoint(160, 20));
    EXPECT_EQ(s().LetterLabels[7]->text(), Q("Ё"));
    EXPECT_EQ(s().LetterLabels[23]->pos(), QPoint(190, 20));
    QTest::keyClick(&s(), Qt::Key_Return);
    EXPECT_FALSE(s().isVisible());
}

TEST_F(StatisticsWindow, GathersArchivesAndPlainFilesSwitchedOffOrNot) {
    // The archive: two 3-letter words and one of 23 letters (counted as letters only).
    folder.dir.Write("a.dic", StoredArchive({{"0.dic", W("Архив\r\n")},
                                             {"3.dic", W("котЗверь\r\nёж\r\n")},
                                             {"22.dic", W("абвгдеёжзийклмнопрстуфх\r\n")}}));
    folder.WritePlainDictionary("b.dic", "Простой", {"кот", "собака"});
    folder.WritePlainDictionary("c.dic", "Только заголовок", {});
    Open();
    EXPECT_EQ(s().lDicsCount->text(), Q("Количество словарей - 3 шт."));
    ui::fmMain->DictionaryEntries.front()->trigger();   // switched off: still counted
    QLocale::setDefault(QLocale(QLocale::Russian));

    QTest::mouseClick(s().btStart, Qt::LeftButton);
    EXPECT_TRUE(seams.seen.messages.empty());
    EXPECT_FALSE(s().btStart->isEnabled());
    EXPECT_TRUE(s().btClose->isDefault());
    EXPECT_FALSE(s().GAG->isVisible());
    EXPECT_FALSE(s().g->isVisible());
    EXPECT_EQ(Length(2), Q("2 буквы - 1 шт."));   // ёж
    EXPECT_EQ(Length(3), Q("3 буквы - 2 шт."));   // кот twice
    EXPECT_EQ(Length(6), Q("6 букв - 1 шт."));
    EXPECT_EQ(Length(22), Q("22 буквы - 0 шт."));
    EXPECT_EQ(Length(23), Q("Всего - 4 шт."));
    EXPECT_TRUE(LengthBold(3));
    EXPECT_FALSE(LengthBold(22));
    // 42 letters, definitions included; К and О 4 each: the later letter is bold.
    const Statistics& counts = s().Counts();
    EXPECT_EQ(counts.LetterTotal(), 42);
    EXPECT_EQ(counts.letterCounts[7], 2);
    EXPECT_EQ(Letter(12), Q("К - 9,52 %"));
    EXPECT_EQ(Letter(16), Q("О - 9,52 %"));
    EXPECT_FALSE(LetterBold(12));
    EXPECT_EQ(Letter(33), Q("Я - 0 %"));
    EXPECT_TRUE(LetterBold(16));
    double sum = 0;
    for (int j = 1; j <= 33; ++j)
        sum += Letter(j).section(QLatin1Char(' '), 2, 2).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    EXPECT_NEAR(sum, 100.0, 0.2);
}

TEST_F(StatisticsWindow, EqualMaximaMakeTheLaterLabelBoldAndNoLettersShowZero) {
    folder.WritePlainDictionary("a.dic", "Цифры", {"12", "34"});
    folder.WritePlainDictionary("b.dic", "Ничего", {});
    Open();
    QTest::mouseClick(s().btStart, Qt::LeftButton);
    EXPECT_TRUE(LengthBold(22));   // all 0
    EXPECT_EQ(Letter(1), Q("А - 0 %"));
    EXPECT_TRUE(LetterBold(33));
    EXPECT_TRUE(seams.seen.messages.empty());
}

TEST_F(StatisticsWindow, AnUnreadableDictionaryIsReportedAndTheRestCounted) {
    std::filesystem::create_directory(folder.dir.Path() / "old.dic");
    folder.WritePlainDictionary("b.dic", "Простой", {"кот"});
    Open();
    QTest::mouseClick(s().btStart, Qt::LeftButton);
    EXPECT_EQ(seams.seen.messages, std::vector<QString>{Q("Не могу прочитать пользовательский словарь")});
    EXPECT_EQ(Length(3), Q("3 буквы - 1 шт."));
}

TEST_F(StatisticsWindow, F12OpensItModallyAlthoughItsMenuIsHidden) {
    folder.WritePlainDictionary("b.dic", "Простой", {"кот"});
    forms = std::make_unique<FormsScope>();
    ui::TfmMain& main = *ui::fmMain;
    ASSERT_TRUE(ShowActive(&main));
    ASSERT_FALSE(main.mmSearch->menuAction()->isVisible());
    QWidget* shown = WhileModal([&] { QTest::keyClick(&main, Qt::Key_F12); },
                                [&](QWidget*) { QTest::keyClick(&s(), Qt::Key_Return); });   // "Собрать"
    EXPECT_EQ(shown, &s());
    EXPECT_EQ(Length(3), Q("3 буквы - 1 шт."));
    // Reopened, the window shows the same counts and "Собрать" stays off.
    WhileModal([&] { QTest::keyClick(&main, Qt::Key_F12); });
    EXPECT_FALSE(s().btStart->isEnabled());
    EXPECT_EQ(Length(23), Q("Всего - 1 шт."));
}

}  // namespace
}  // namespace vellumar::test
