// The settings dialog: filled once from the running program, Apply sets the
// fonts and flags at once and writes Vellumar.ini, OK also closes, Cancel
// changes nothing but keeps what was typed.

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include <filesystem>

#include "app/Settings.h"
#include "tests/ui/SideWindowSupport.h"
#include "ui/uSetup.h"

namespace vellumar::test {
namespace {

class SetupDialog : public SideWindowTest {
protected:
    void SetUp() override {
        ProgramEquivalences() = LetterEquivalences{};
        Open();
    }
    void TearDown() override {
        SideWindowTest::TearDown();
        ProgramEquivalences() = LetterEquivalences{};
    }
    ui::TfmSetup& d() { return *ui::fmSetup; }
    static void Retype(QLineEdit* field, const QString& text) {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }
};

TEST_F(SetupDialog, CancelChangesNothingButKeepsTheTypedFieldsForOk) {
    WhileModal([&] { w().mmSetup->trigger(); },
               [&](QWidget* modal) {
                   ASSERT_EQ(modal, &d());
                   // Without a configuration file: the defaults.
                   EXPECT_EQ(d().edFontName->text(), QStringLiteral("MS Sans Serif"));
                   EXPECT_EQ(d().Edit1->text(), QStringLiteral("MS Sans Serif"));
                   EXPECT_TRUE(d().Box1->isChecked() && d().Box2->isChecked() && d().Box3->isChecked());
                   Retype(d().edFontName, QStringLiteral("No Such Face"));
                   QTest::mouseClick(d().Box2, Qt::LeftButton);
                   QTest::keyClick(modal, Qt::Key_Escape);
                   EXPECT_FALSE(d().isVisible());
               });
    EXPECT_EQ(w().GridFontFace(), QStringLiteral("MS Sans Serif"));
    EXPECT_TRUE(ProgramEquivalences().tz_mz);
    EXPECT_FALSE(std::filesystem::exists(SettingsPath()));
    WhileModal([&] { w().mmSetup->trigger(); },
               [&](QWidget*) {
                   EXPECT_EQ(d().edFontName->text(), QStringLiteral("No Such Face"));
                   QTest::mouseClick(d().btOK, Qt::LeftButton);
                   EXPECT_FALSE(d().isVisible());
               });
    EXPECT_EQ(w().GridFontFace(), QStringLiteral("No Such Face"));   // as typed
    EXPECT_FALSE(ProgramEquivalences().tz_mz);
    const Settings stored = ReadSettings();
    EXPECT_EQ(stored.wordFontFace, "No Such Face");
    EXPECT_FALSE(stored.equivalences.tz_mz);
    EXPECT_TRUE(stored.equivalences.yo_ye && stored.equivalences.y_i);
}

TEST_F(SetupDialog, ApplySetsFontsAndFlagsAndStaysOpen) {
    d().show();
    Retype(d().Edit1, QStringLiteral("DejaVu Sans Mono"));
    QTest::mouseClick(d().Box1, Qt::LeftButton);
    QTest::mouseClick(d().Box3, Qt::LeftButton);
    QTest::mouseClick(d().btApply, Qt::LeftButton);
    EXPECT_TRUE(d().isVisible());
    EXPECT_EQ(w().ListFontFace(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(w().lbWords->font().pixelSize(), 12);   // only the face changes
    EXPECT_FALSE(ProgramEquivalences().yo_ye || ProgramEquivalences().y_i);
    EXPECT_TRUE(ProgramEquivalences().tz_mz);
    EXPECT_EQ(ReadSettings().wordListFontFace, "DejaVu Sans Mono");
    EXPECT_TRUE(seams.seen.messages.empty());
}

TEST_F(SetupDialog, FontChooserStartsOnTheFieldsFaceAndOnlyTheFaceIsTaken) {
    d().show();
    Retype(d().edFontName, QStringLiteral("Arial"));
    seams.seen.fontAnswer = QStringLiteral("Chosen Face");
    QTest::mouseClick(d().B1, Qt::LeftButton);
    seams.seen.fontAnswer.reset();   // cancelled
    QTest::mouseClick(d().B2, Qt::LeftButton);
    EXPECT_EQ(seams.seen.fontsAsked, (std::vector<QString>{QStringLiteral("Arial"), QStringLiteral("MS Sans Serif")}));
    EXPECT_EQ(d().edFontName->text(), QStringLiteral("Chosen Face"));
    EXPECT_EQ(d().Edit1->text(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(w().GridFontFace(), QStringLiteral("MS Sans Serif"));   // nothing applied yet
}

TEST_F(SetupDialog, AFailedWriteIsShownAndKeepsTheDialogOpenAfterOk) {
    std::filesystem::create_directory(SettingsPath());   // can't be written as a file
    d().show();
    QTest::mouseClick(d().Box1, Qt::LeftButton);
    QTest::mouseClick(d().btOK, Qt::LeftButton);
    EXPECT_TRUE(d().isVisible());
    EXPECT_EQ(seams.seen.messages,
              std::vector<QString>{QStringLiteral("Unable to write to ") + QString::fromStdString(SettingsPath())});
    EXPECT_FALSE(ProgramEquivalences().yo_ye);   // what was set stays set
}

}  // namespace
}  // namespace vellumar::test
