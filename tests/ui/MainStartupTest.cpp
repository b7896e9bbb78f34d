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

#include <fstream>

#include "engine/Letters.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/MaskGrid.h"
#include "ui/Panel.h"

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
                                  Q("Словарь a"), QStringLiteral("-"), Q("&Добавление слов..."),
                                  Q("&Импорт словаря...")}));
    for (const QAction* entry : forms.main().DictionaryEntries) EXPECT_TRUE(entry->isChecked());
    EXPECT_EQ(forms.main().Catalogue().front().path, folder.dir.Dir() + "user's.dic");
    EXPECT_TRUE(seams.seen.messages.empty());
}

TEST(MainStartup, WithoutDictionariesOnlyTheFixedEntriesShow) {
    ProgramFolder folder;
    FormsScope forms;
    EXPECT_EQ(MenuTexts(forms.main().mmDics), (QStringList{Q("&Добавление слов..."), Q("&Импорт словаря...")}));
}

TEST(MainStartup, FormCreateLaysOutThePageAndTakesOverSettingsAndNotes) {
    ProgramFolder folder;
    folder.dir.Write("Vellumar.ini", "[WordFont]\r\nFace=Liberation Serif\r\n[YO]\r\ny_i=0\r\n");
    folder.dir.Write("Notes.txt", W("первая\nвторая"));
    FormsScope forms;
    ui::TfmMain& w = forms.main();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Vellumar v.1.11"));
    EXPECT_EQ(ui::ApplicationTitle(), w.windowTitle());
    EXPECT_EQ(w.mmWhatsNew->text(), Q("&Что нового в версии  1.11"));
    EXPECT_EQ(w.GridFontFace(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(w.ListFontFace(), QStringLiteral("MS Sans Serif"));
    EXPECT_TRUE(ProgramEquivalences().yo_ye);
    EXPECT_FALSE(ProgramEquivalences().y_i);
    ProgramEquivalences() = {};
    EXPECT_EQ(w.mNotes->toPlainText(), Q("первая\nвторая"));
    EXPECT_EQ(w.Grid->width(), 106);
    EXPECT_EQ(w.PosLabel[1]->x(), 31);
    EXPECT_EQ(w.PosLabel[22]->x(), 472);
    EXPECT_EQ(w.WeightLabel[22]->y(), 65);
    EXPECT_TRUE(w.PosLabel[1]->font().bold());
    EXPECT_FALSE(w.PosLabel[2]->font().bold());
    EXPECT_FALSE(w.PosLabel[5]->isHidden());
    EXPECT_TRUE(w.PosLabel[6]->isHidden());
    EXPECT_EQ(w.lLen->text(), QStringLiteral("5"));
    EXPECT_EQ(w.cbMass->currentText(), QStringLiteral("="));
    EXPECT_EQ(w.PageControl->currentWidget(), w.Tab1);
}

TEST(MainStartup, LanguageFileTranslatesOnlyTheKeysItHas) {
    ProgramFolder folder;
    folder.dir.Write("English.lng", "[Main]\r\nbtRun=Find !\r\nlbCount=\r\nmmFile=&File\r\n");
    FormsScope forms;
    ui::TfmMain& w = forms.main();
    EXPECT_EQ(w.btRun->text(), QStringLiteral("Find !"));
    EXPECT_EQ(w.btRun->toolTip(), Q("Начать поиск !"));
    EXPECT_EQ(w.lbCount->text(), QString());
    EXPECT_EQ(w.mmFile->title(), QStringLiteral("&File"));
    EXPECT_EQ(w.btClear->text(), Q("Очистить"));
}

// Every key of the shipped translation names a translated control, so a typo
// in the file or a renamed control shows here.
TEST(MainStartup, ShippedEnglishFileCoversTheWindow) {
    ProgramFolder folder;
    std::filesystem::copy_file(VELLUMAR_SOURCE_DIR "/data/English.lng", folder.dir.File("English.lng"));
    FormsScope forms;
    ui::TfmMain& w = forms.main();
    std::ifstream in(folder.dir.File("English.lng"));
    int keys = 0;
    for (std::string line; std::getline(in, line);) {
        const auto eq = line.find('=');
        if (line.empty() || line[0] == ';' || line[0] == '[' || eq == std::string::npos) continue;
        QString name = QString::fromStdString(line.substr(0, eq));
        if (name.endsWith(QStringLiteral("Hint"))) name.chop(4);
        EXPECT_TRUE(w.findChild<QObject*>(name)) << name.toStdString();
        ++keys;
    }
    EXPECT_GT(keys, 40);
    EXPECT_EQ(w.btRun->text(), QStringLiteral("Find !"));
    EXPECT_EQ(w.mmWhatsNew->text(), QStringLiteral("&What's new in version  1.11"));
    EXPECT_EQ(w.pnABC->toolTip(), QStringLiteral("Sort alphabetically"));
}

}  // namespace
}  // namespace vellumar::test
