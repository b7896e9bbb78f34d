// An installed program, and a portable folder that can't be written, keep a
// setting, a word added to user's.dic and the notes in the user's folders,
// find them there at the next start, and write nowhere else.

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>

#include "app/UserFolders.h"
#include "engine/Letters.h"
#include "tests/ui/SearchTestSupport.h"
#include "tests/ui/SideWindowSupport.h"
#include "ui/uAbout.h"
#include "ui/uAdd.h"
#include "ui/uSetup.h"

namespace vellumar::test {
namespace {

namespace fs = std::filesystem;

// true: a portable folder made read-only; false: an installed program's folder.
class UserFiles : public SearchWindow, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        folder.WritePlainDictionary("bundled.dic", "Встроенный", {"котЗверь"});
        if (GetParam()) {
            folder.dir.Write(PortableMarkerName, "");
            fs::permissions(folder.dir.Path(), fs::perms::all, fs::perm_options::remove);
            fs::permissions(folder.dir.Path(), fs::perms::owner_read | fs::perms::owner_exec);
        }
        UseProgramFolder(folder.dir.Dir());
        ProgramEquivalences() = LetterEquivalences{};
    }
    void TearDown() override {
        SearchWindow::TearDown();
        ProgramEquivalences() = LetterEquivalences{};
        fs::permissions(folder.dir.Path(), fs::perms::owner_all);
    }
    QStringList DictionaryMenu() const {
        QStringList captions;
        for (QAction* entry : w().DictionaryEntries) captions << entry->text();
        return captions;
    }

    ScratchDir home;
    EnvironmentValue homeValue{"HOME", home.Path().string()};
    EnvironmentValue configValue{"XDG_CONFIG_HOME", home.File("config")};
    EnvironmentValue dataValue{"XDG_DATA_HOME", home.File("data")};
};

TEST_P(UserFiles, ASettingAWordAndTheNotesGoToTheUserFoldersAndComeBack) {
    const std::vector<std::string> programFolder = Tree(folder.dir.Path());
    Open();
    EXPECT_EQ(CurrentFilesMode(), FilesMode::Installed);
    WhileModal([&] { w().mmSetup->trigger(); },
               [&](QWidget*) {
                   QTest::mouseClick(ui::fmSetup->Box3, Qt::LeftButton);   // Й = И off
                   QTest::mouseClick(ui::fmSetup->btOK, Qt::LeftButton);
               });
    WhileModal([&] { w().mmAddKlav->trigger(); },
               [&](QWidget*) {
                   TypeText(ui::fmAdd->edWord, Q("Кит Морской зверь"));
                   QTest::keyClick(ui::fmAdd->edWord, Qt::Key_Return);
                   QTest::mouseClick(ui::fmAdd->btClose, Qt::LeftButton);
               });
    w().mmNotes->trigger();
    TypeText(w().mNotes, Q("заметка"));
    w().mmExit->trigger();
    forms.reset();

    EXPECT_EQ(Tree(home.Path()),
              (std::vector<std::string>{"config", "config/vellumar", "config/vellumar/Vellumar.ini", "data",
                                        "data/vellumar", "data/vellumar/Notes.txt", "data/vellumar/user's.dic"}));
    for (const char* folder : {"config", "config/vellumar", "data", "data/vellumar"})
        EXPECT_EQ(fs::status(home.Path() / folder).permissions(), fs::perms::owner_all) << folder;
    EXPECT_EQ(home.Read("data/vellumar/user's.dic"), W("Пользовательский словарь\r\nкитМорской зверь\r\n"));
    EXPECT_EQ(Tree(folder.dir.Path()), programFolder);   // the program folder, also the current one
    ASSERT_EQ(seams.seen.messages.size(), 1u);           // only: restart to search the new dictionary
    EXPECT_TRUE(seams.seen.messages[0].startsWith(Q("При добавлении был создан словарь USER'S.DIC")));

    // The next start.
    ProgramEquivalences() = LetterEquivalences{};
    Open();
    EXPECT_FALSE(ProgramEquivalences().y_i);
    EXPECT_FALSE(ui::fmSetup->Box3->isChecked());
    EXPECT_EQ(w().mNotes->toPlainText(), Q("заметка"));
    EXPECT_EQ(DictionaryMenu(), (QStringList{Q("Пользовательский словарь"), Q("Встроенный")}));
    SearchGrid("К Т");
    EXPECT_EQ(Listed(), (Lines{"китМорской зверь", "котЗверь"}));
    EXPECT_EQ(ui::fmAbout->edFiles->text(), QStringLiteral("~/data/vellumar/"));
    EXPECT_EQ(ui::fmAbout->edSettings->text(), QStringLiteral("~/config/vellumar/"));
}

// The program folder's file of the same name stays in the menu: the imported
// one takes a name of its own.
TEST_P(UserFiles, AnImportedDictionaryGoesToTheUserDataFolder) {
    Open();
    const std::vector<std::string> programFolder = Tree(folder.dir.Path());
    home.Write("bundled.dsl", "#NAME \"Толковый\"\nкит\n\tморской зверь\n");
    seams.seen.fileAnswer = QString::fromStdString(home.File("bundled.dsl"));
    w().mmImport->trigger();
    EXPECT_TRUE(fs::is_regular_file(home.Path() / "data/vellumar/bundled-2.dic"));
    EXPECT_EQ(fs::status(home.Path() / "data/vellumar").permissions(), fs::perms::owner_all);
    EXPECT_EQ(Tree(folder.dir.Path()), programFolder);
    EXPECT_EQ(DictionaryMenu(), (QStringList{Q("Встроенный"), Q("Толковый")}));
    SearchGrid("К Т");
    EXPECT_EQ(Listed(), (Lines{"китМорской зверь", "котЗверь"}));
}

TEST_P(UserFiles, AUserFolderThatCantBeMadeIsOneMessageBeforeTheImport) {
    home.Write("data", "");   // a file where the folder would go
    Open();
    home.Write("t.dsl", "#NAME \"Толковый\"\nкит\n\tморской зверь\n");
    seams.seen.fileAnswer = QString::fromStdString(home.File("t.dsl"));
    w().mmImport->trigger();
    ASSERT_EQ(seams.seen.messages.size(), 1u);
    EXPECT_EQ(seams.seen.messages[0], Q("Не удалось импортировать словарь «t.dsl».\nНе удалось создать папку ") +
                                          QString::fromStdString(home.File("data/vellumar")) + Q("."));
    EXPECT_EQ(DictionaryMenu(), QStringList{Q("Встроенный")});
}

INSTANTIATE_TEST_SUITE_P(InstalledAndReadOnlyPortable, UserFiles, ::testing::Bool());

}  // namespace
}  // namespace vellumar::test
