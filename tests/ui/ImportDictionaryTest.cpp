// «Словари» → «Импорт словаря...»: the file chosen through the dialog seam, the
// import behind its progress dialog, the new dictionary checked in the menu,
// and a cancel or a failure leaving the folder as it was.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "tests/ui/UiTestSupport.h"
#include "ui/uImport.h"

namespace vellumar::test {
namespace {

class ImportDictionary : public WindowTest {
protected:
    void SetUp() override {
        folder.WritePlainDictionary("a.dic", "Первый", {"кот"});
        std::filesystem::create_directory(sources.Path() / "in");
        Open();
    }

    // A source outside the program folder, as UTF-8 text.
    std::string Source(const std::string& name, const std::string& text) {
        std::ofstream(sources.File(name), std::ios::binary) << text;
        return sources.File(name);
    }

    // Opens «Словари» on the menu bar and clicks «Импорт словаря...», as a user does.
    void ClickImport() {
        QMenuBar* bar = w().menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(w().mmDics->menuAction()).center());
        ASSERT_TRUE(w().mmDics->isVisible());
        QTest::mouseClick(w().mmDics, Qt::LeftButton, {}, w().mmDics->actionGeometry(w().mmImport).center());
    }

    // The dictionaries in the program folder, and any half-written one.
    std::vector<std::string> DictionaryFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.dir.Path())) {
            const std::string name = entry.path().filename().string();
            if (name.ends_with(".dic") || name.ends_with(".part")) names.push_back(name);
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    ScratchDir sources;
};

TEST_F(ImportDictionary, NewDictionaryComesCheckedAndTheOthersKeepTheirMarks) {
    const int addWords = w().mmDics->actions().indexOf(w().mmAddKlav);
    EXPECT_EQ(w().mmDics->actions().indexOf(w().mmImport), addWords + 1);
    EXPECT_EQ(w().mmImport->text().remove('&'), Q("Импорт словаря..."));
    w().DictionaryEntries.front()->trigger();   // «Первый» unchecked
    seams.seen.fileAnswer = QString::fromStdString(Source("t.dsl", "#NAME \"Толковый\"\nкот\n\tдомашнее животное\n"
                                                                   "Новый год\n\tпраздник\n"));
    ClickImport();

    ASSERT_EQ(seams.seen.fileFilters.size(), 1u);
    EXPECT_TRUE(seams.seen.fileFilters[0].contains(Q("*.dsl *.dsl.dz *.ifo *.index")));
    ASSERT_EQ(seams.seen.messages.size(), 1u);
    EXPECT_EQ(seams.seen.messages[0], Q("Словарь «Толковый» импортирован в файл t.dic.\n"
                                        "Прочитано статей: 2, записано: 1.\n"
                                        "Пропущено 1 (не одно русское слово: 1)."));
    const DictionaryCatalogue catalogue = w().Catalogue();
    ASSERT_EQ(catalogue.size(), 2u);
    EXPECT_EQ(catalogue[0].caption, W("Толковый"));
    EXPECT_EQ(catalogue[0].FilePath(), folder.dir.File("t.dic"));
    EXPECT_TRUE(catalogue[0].IsArchive());
    EXPECT_TRUE(catalogue[0].checked);
    EXPECT_EQ(catalogue[1].caption, W("Первый"));
    EXPECT_FALSE(catalogue[1].checked);
    EXPECT_EQ(w().DictionaryEntries[0]->text(), Q("Толковый"));

    // The same source again takes a name of its own beside the first.
    ClickImport();
    EXPECT_TRUE(seams.seen.messages.back().startsWith(Q("Словарь «Толковый» импортирован в файл t-2.dic.")));
    EXPECT_EQ(DictionaryFiles(), (std::vector<std::string>{"a.dic", "t-2.dic", "t.dic"}));
    EXPECT_EQ(w().Catalogue().size(), 3u);
}

TEST_F(ImportDictionary, CancelLeavesTheFolderAndTheMenuAsTheyWere) {
    std::string dsl = "#NAME \"Большой\"\n";
    for (int i = 0; i < 150000; ++i) dsl += "слово" + std::to_string(i) + "\n\tопределение слова\n";
    seams.seen.fileAnswer = QString::fromStdString(Source("big.dsl", dsl));
    const std::vector<std::string> before = DictionaryFiles();
    // Cancel as soon as the progress dialog shows.
    bool clicked = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&clicked] {
        auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        if (clicked || !dialog || !dialog->isVisible()) return;
        QPushButton* cancel = dialog->findChild<QPushButton*>(QStringLiteral("btCancel"));
        ASSERT_NE(cancel, nullptr);
        EXPECT_EQ(cancel->text(), Q("Отмена"));
        QTest::mouseClick(cancel, Qt::LeftButton);
        clicked = true;
        // The dialog stays, modal, until the import has stopped.
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), dialog);
        EXPECT_FALSE(cancel->isEnabled());
        EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("lbImport"))->text(), Q("Остановка..."));
    });
    watch.start(5);
    ClickImport();
    EXPECT_TRUE(clicked);
    EXPECT_TRUE(seams.seen.messages.empty());
    EXPECT_EQ(DictionaryFiles(), before);
    EXPECT_EQ(w().Catalogue().size(), 1u);
}

TEST_F(ImportDictionary, FailureIsOneMessageAndWritesNothing) {
    seams.seen.fileAnswer = QString::fromStdString(Source("notes.txt", "кот\nпёс\n"));
    ClickImport();
    ASSERT_EQ(seams.seen.messages.size(), 1u);
    EXPECT_TRUE(seams.seen.messages[0].startsWith(Q("Не удалось импортировать словарь «notes.txt».\nЭто не словарь")))
        << seams.seen.messages[0].toStdString();
    seams.seen.fileAnswer.reset();   // the file dialog cancelled: nothing at all
    ClickImport();
    EXPECT_EQ(seams.seen.messages.size(), 1u);
    EXPECT_EQ(DictionaryFiles(), std::vector<std::string>{"a.dic"});
    EXPECT_EQ(w().Catalogue().size(), 1u);
}

}  // namespace
}  // namespace vellumar::test
