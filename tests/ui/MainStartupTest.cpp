// Start-up of the main window: the dictionary menu, the language file, the
// settings and notes it takes over, and closing.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "tests/ui/UiTestSupport.h"
#include "ui/MaskGrid.h"

namespace vellumar::test {
namespace {

QStringList MenuTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* a : menu->actions())
        if (a->isVisible()) texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

TEST(MainStartup, DictionaryMenuListsTheFilesInReverseAboveTheFixedItems) {
    ProgramFolder folder;
    for (const char* name : {"a", "b", "c"})
        folder.WritePlainDictionary(std::string(name) + ".dic", std::string("Словарь ") + name, {"кот"});
    folder.WritePlainDictionary("user's.dic", "Пользовательский словарь", {});
    std::filesystem::create_directory(folder.dir.Path() / "old.dic");
    SeamScope seams;
    FormsScope forms;
    const QStringList texts = MenuTexts(forms.main().mmDics);
    EXPECT_EQ(texts, (QStringList{Q("Пользовательский словарь"), QString(), Q("Словарь c"), Q("Словарь b"),
                                  Q("Словарь a"), QStringLiteral("-"), Q("&Добавление слов...")}));
    for (const QAction* entry : forms.main().DictionaryEntries) EXPECT_TRUE(entry->isChecked());
    EXPECT_EQ(forms.main().Catalogue().front().path, folder.dir.Dir() + "user's.dic");
    EXPECT_TRUE(seams.seen.messages.empty());
}

TEST(MainStartup, WithoutDictionariesOnlyTheAddWordsEntryShows) {
    ProgramFolder folder;
    FormsScope forms;
    EXPECT_EQ(MenuTexts(forms.main().mmDics), QStringList{Q("&Добавление слов...")});
}

}  // namespace
}  // namespace vellumar::test
