// The settings dialog: filled once from the running program, Apply sets the
// fonts and flags at once and writes Vellumar.ini, OK also closes, Cancel
// changes nothing but keeps what was typed.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include <filesystem>

#include "app/Settings.h"
#include "tests/ui/SideWindowSupport.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/uSetup.h"

namespace vellumar::test {
namespace {

class SetupDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ProgramEquivalences() = LetterEquivalences{};
        forms = std::make_unique<FormsScope>();
    }
    void TearDown() override {
        forms.reset();
        ProgramEquivalences() = LetterEquivalences{};
    }
    ui::TfmMain& w() { return forms->main(); }
    ui::TfmSetup& d() { return *ui::fmSetup; }

    // Replaces a field's text by typing, as the user does.
    static void Retype(QLineEdit* field, const QString& text) {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }

    ProgramFolder folder;
    SeamScope seams;
    std::unique_ptr<FormsScope> forms;
};

TEST_F(SetupDialog, WithoutAConfigurationFileShowsTheDefaults) {
    EXPECT_EQ(d().edFontName->text(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(d().Edit1->text(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(d().Edit1->font().family(), QStringLiteral("Courier New Cyr"));
    for (QCheckBox* box : {d().Box1, d().Box2, d().Box3}) EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(d().Box1->text(), Q("\"Е\" = \"Ё\""));
    EXPECT_TRUE(d().btOK->isDefault());
}

TEST_F(SetupDialog, CancelChangesNothingButKeepsTheTypedFields) {
    ui::TfmMain& main = w();
    WhileModal([&] { main.mmSetup->trigger(); },
               [&](QWidget* modal) {
                   ASSERT_EQ(modal, &d());
                   Retype(d().edFontName, QStringLiteral("No Such Face"));
                   QTest::mouseClick(d().Box2, Qt::LeftButton);
                   QTest::keyClick(&d(), Qt::Key_Escape);
                   EXPECT_FALSE(d().isVisible());
               });
    EXPECT_EQ(w().GridFontFace(), QStringLiteral("MS Sans Serif"));
    EXPECT_TRUE(ProgramEquivalences().tz_mz);
    EXPECT_FALSE(std::filesystem::exists(SettingsPath()));
    // Reopened, the dialog shows what was left in it; OK applies it as typed.
    WhileModal([&] { main.mmSetup->trigger(); },
               [&](QWidget*) {
                   EXPECT_EQ(d().edFontName->text(), QStringLiteral("No Such Face"));
                   EXPECT_FALSE(d().Box2->isChecked());
                   QTest::mouseClick(d().btOK, Qt::LeftButton);
                   EXPECT_FALSE(d().isVisible());
               });
    EXPECT_EQ(w().GridFontFace(), QStringLiteral("No Such Face"));
    EXPECT_FALSE(ProgramEquivalences().tz_mz);
    EXPECT_TRUE(ProgramEquivalences().yo_ye);
    const Settings stored = ReadSettings();
    EXPECT_EQ(stored.wordFontFace, "No Such Face");
    EXPECT_FALSE(stored.equivalences.tz_mz);
    EXPECT_TRUE(stored.equivalences.y_i);
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
    EXPECT_FALSE(ProgramEquivalences().yo_ye);
    EXPECT_FALSE(ProgramEquivalences().y_i);
    EXPECT_TRUE(ProgramEquivalences().tz_mz);
    EXPECT_EQ(ReadSettings().wordListFontFace, "DejaVu Sans Mono");
    EXPECT_TRUE(seams.seen.messages.empty());
    d().hide();
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
    d().hide();
}

TEST_F(SetupDialog, AFailedWriteIsShownAndKeepsTheDialogOpenAfterOk) {
    std::filesystem::create_directory(SettingsPath());   // can't be written as a file
    d().show();
    QTest::mouseClick(d().Box1, Qt::LeftButton);
    QTest::mouseClick(d().btOK, Qt::LeftButton);
    EXPECT_TRUE(d().isVisible());
    ASSERT_EQ(seams.seen.messages.size(), 1u);
    EXPECT_EQ(seams.seen.messages[0], QStringLiteral("Unable to write to ") + QString::fromStdString(SettingsPath()));
    EXPECT_FALSE(ProgramEquivalences().yo_ye);   // what was set stays set
    d().hide();
}

}  // namespace
}  // namespace vellumar::test
