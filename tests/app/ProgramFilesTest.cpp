#include <gtest/gtest.h>

#include <filesystem>

#include "app/Notes.h"
#include "app/ProfileStrings.h"
#include "app/ProgramDirectory.h"
#include "app/Settings.h"
#include "app/UserDictionary.h"
#include "tests/app/TestSupport.h"

namespace vellumar {
namespace {

using test::MessageRecorder;
using test::ScratchDir;
using test::W;

// Every test works in its own program directory and current directory.
class ProgramFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedDirectory_ = ProgramDirectory();
        savedCwd_ = std::filesystem::current_path();
        SetProgramDirectory(program.Dir());
        std::filesystem::current_path(cwd.Path());
    }
    void TearDown() override {
        std::filesystem::current_path(savedCwd_);
        SetProgramDirectory(savedDirectory_);
    }

    ScratchDir program;
    ScratchDir cwd;

private:
    std::string savedDirectory_;
    std::filesystem::path savedCwd_;
};

TEST(ProgramDirectoryTest, IsTheDirectoryOfTheRunningBinaryWithSeparator) {
    const std::string dir = ProgramDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    const auto exe = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(dir, exe.parent_path().string() + "/");
    EXPECT_EQ(WithTrailingSeparator("/a/b"), "/a/b/");
    EXPECT_EQ(WithTrailingSeparator("/a/b/"), "/a/b/");
}

TEST_F(ProgramFilesTest, MissingConfigurationGivesDefaults) {
    const Settings s = ReadSettings();
    EXPECT_EQ(s.wordFontFace, "MS Sans Serif");
    EXPECT_EQ(s.wordListFontFace, "MS Sans Serif");
    EXPECT_TRUE(s.equivalences.yo_ye);
    EXPECT_TRUE(s.equivalences.y_i);
    EXPECT_TRUE(s.equivalences.tz_mz);
    EXPECT_EQ(SettingsPath(), program.Dir() + "Vellumar.ini");
}

TEST_F(ProgramFilesTest, FlagValuesFollowTheIntegerRules) {
    struct Case { const char* text; bool on; };
    const Case cases[] = {{"1", true},   {"2", true},    {"-1", true}, {"0x1", true}, {"0X10", true},
                          {"0", false},  {"0x0", false}, {"00", false}, {"word", true}, {"0x", true},
                          {"", true},    {"0xZ", true},  {"99999999999", true}, {"1a", true}};
    for (const Case& c : cases) {
        program.Write("Vellumar.ini", std::string("[YO]\r\nyo_ye=") + c.text + "\r\ny_i=0\r\n");
        const Settings s = ReadSettings();
        EXPECT_EQ(s.equivalences.yo_ye, c.on) << "value '" << c.text << "'";
        EXPECT_FALSE(s.equivalences.y_i);
        EXPECT_TRUE(s.equivalences.tz_mz);
    }
}

TEST_F(ProgramFilesTest, ReadingIgnoresCaseBlanksAndQuotes) {
    program.Write("Vellumar.ini",
                  "; comment\r\n[other]\r\nface=wrong\r\n"
                  "  [wordfont]  \r\n  FACE  =   Arial Cyr  \r\n"
                  "[WORDLISTFONT]\nFace=\"  quoted  \"\n[yo]\rYO_YE = 0\r");
    const Settings s = ReadSettings();
    EXPECT_EQ(s.wordFontFace, "Arial Cyr");
    EXPECT_EQ(s.wordListFontFace, "  quoted  ");
    EXPECT_FALSE(s.equivalences.yo_ye);
    EXPECT_TRUE(s.equivalences.y_i);

    const std::string file = program.File("Vellumar.ini");
    EXPECT_EQ(GetPrivateProfileString(file, "  WordFont ", " face ", "x"), "Arial Cyr");
    EXPECT_EQ(GetPrivateProfileString(file, "missing", "face", "dflt   "), "dflt");
    // Only the first section of a name counts.
    program.Write("Vellumar.ini", "[A]\r\nk=1\r\n[a]\r\nk=2\r\nj=3\r\n");
    EXPECT_EQ(GetPrivateProfileString(file, "A", "k", ""), "1");
    EXPECT_EQ(GetPrivateProfileString(file, "A", "j", "none"), "none");
}

TEST_F(ProgramFilesTest, RussianSectionNamesMatchWithoutCase) {
    const std::string file = program.File("x.ini");
    program.Write("x.ini", "[" + W("Шрифт") + "]\r\n" + W("Ключ") + "=" + W("значение") + "\r\n");
    EXPECT_EQ(GetPrivateProfileString(file, W("шРИФТ"), W("КЛЮЧ"), ""), W("значение"));
}

TEST_F(ProgramFilesTest, ReadsAtMost1023Characters) {
    const std::string longFace(1500, 'F');
    program.Write("Vellumar.ini", "[WordFont]\r\nFace=" + longFace + "\r\n");
    EXPECT_EQ(ReadSettings().wordFontFace, std::string(1023, 'F'));

    const std::string file = program.File("Vellumar.ini");
    program.Write("Vellumar.ini", "[s]\r\nk=\"" + std::string(1022, 'q') + "\"\r\n");
    EXPECT_EQ(GetPrivateProfileString(file, "s", "k", ""), std::string(1022, 'q'));
    program.Write("Vellumar.ini", "[s]\r\nk=\"" + std::string(1023, 'q') + "\"\r\n");
    EXPECT_EQ(GetPrivateProfileString(file, "s", "k", ""), std::string(1023, 'q'));
    program.Write("Vellumar.ini", "[s]\r\nk=\"" + std::string(1024, 'q') + "\"\r\n");
    EXPECT_EQ(GetPrivateProfileString(file, "s", "k", ""), std::string(1023, 'q'));
}

TEST_F(ProgramFilesTest, WriteSettingsCreatesTheFileInItsOrder) {
    Settings s;
    s.wordFontFace = W("Тахома");
    s.wordListFontFace = "Courier New";
    s.equivalences.y_i = false;
    WriteSettings(s);
    EXPECT_EQ(program.Read("Vellumar.ini"),
              "[WordFont]\r\nFace=" + W("Тахома") + "\r\n[WordListFont]\r\nFace=Courier New\r\n"
              "[YO]\r\nyo_ye=1\r\ny_i=0\r\ntz_mz=1\r\n");
    const Settings back = ReadSettings();
    EXPECT_EQ(back.wordFontFace, s.wordFontFace);
    EXPECT_EQ(back.wordListFontFace, s.wordListFontFace);
    EXPECT_TRUE(back.equivalences.yo_ye);
    EXPECT_FALSE(back.equivalences.y_i);
    EXPECT_TRUE(back.equivalences.tz_mz);
}

TEST_F(ProgramFilesTest, WritingKeepsTheRestOfTheFile) {
    const std::string before =
        "; my settings\n[yo]\nTZ_MZ = 1\n\n[Extra]\r\nkeep = me \r\n[WordFont]\r\nFace=Old";
    program.Write("Vellumar.ini", before);
    Settings s;
    s.equivalences.tz_mz = false;
    s.wordFontFace = "New";
    WriteSettings(s);
    EXPECT_EQ(program.Read("Vellumar.ini"),
              "; my settings\n[yo]\nTZ_MZ=0\nyo_ye=1\r\ny_i=1\r\n\n[Extra]\r\nkeep = me \r\n"
              "[WordFont]\r\nFace=New\r\n[WordListFont]\r\nFace=MS Sans Serif\r\n");
}

TEST_F(ProgramFilesTest, AValueCannotBreakTheFileApart) {
    const std::string file = program.File("x.ini");
    ASSERT_TRUE(WritePrivateProfileString(file, "s", "k", "  one\r\n[YO]\r\nyo_ye=0"));
    EXPECT_EQ(program.Read("x.ini"), "[s]\r\nk=one\r\n");
}

TEST_F(ProgramFilesTest, UnwritableConfigurationRaisesWithThePath) {
    std::filesystem::create_directory(program.Path() / "Vellumar.ini");
    try {
        WriteSettings(Settings{});
        FAIL() << "no exception";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + program.Dir() + "Vellumar.ini");
        EXPECT_STREQ(e.ClassName(), "EIniFileException");
    }
    // Reading the same place never fails.
    EXPECT_EQ(ReadSettings().wordFontFace, "MS Sans Serif");
}

TEST_F(ProgramFilesTest, NotesMissingLoadEmptyAndSaveCreates) {
    MessageRecorder recorder;
    EXPECT_EQ(LoadNotes(), "");
    EXPECT_TRUE(SaveNotes(""));
    EXPECT_TRUE(std::filesystem::exists(cwd.Path() / "Notes.txt"));
    EXPECT_EQ(cwd.Read("Notes.txt"), "");
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(ProgramFilesTest, NotesLineBreaksBecomeCrLf) {
    cwd.Write("Notes.txt", "a\rb\nc\r\nd\n\re");
    EXPECT_EQ(LoadNotes(), "a\r\nb\r\nc\r\nd\r\n\r\ne");
    const std::string text = W("Купить хлеб\r\nПозвонить");
    ASSERT_TRUE(SaveNotes(text));
    EXPECT_EQ(cwd.Read("Notes.txt"), text);
    EXPECT_EQ(LoadNotes(), text);
}

TEST_F(ProgramFilesTest, NotesFollowTheCurrentDirectoryOnly) {
    ASSERT_TRUE(SaveNotes("first"));
    ScratchDir other;
    std::filesystem::current_path(other.Path());
    EXPECT_EQ(LoadNotes(), "");
    ASSERT_TRUE(SaveNotes("second"));
    EXPECT_EQ(cwd.Read("Notes.txt"), "first");
    EXPECT_EQ(other.Read("Notes.txt"), "second");
    // The program's own files stay where the program is.
    EXPECT_EQ(SettingsPath(), program.Dir() + "Vellumar.ini");
    EXPECT_EQ(UserDictionaryPath(), program.Dir() + "user's.dic");
    std::filesystem::current_path(cwd.Path());
}

TEST_F(ProgramFilesTest, FailedNotesSaveReportsAndKeepsTheOldNotes) {
    cwd.Write("Notes.txt", "precious");
    // Block the new file beside the old one: the save can't complete.
    std::filesystem::create_directory(cwd.Path() / "Notes.txt.new");
    MessageRecorder recorder;
    EXPECT_FALSE(SaveNotes("replacement"));
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0], W("Не удалось сохранить заметки в файл Notes.txt"));
    EXPECT_EQ(cwd.Read("Notes.txt"), "precious");
}

TEST_F(ProgramFilesTest, NotesInPlaceOfADirectoryFailWithMessage) {
    std::filesystem::create_directory(cwd.Path() / "Notes.txt");
    MessageRecorder recorder;
    EXPECT_EQ(LoadNotes(), "");
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_FALSE(SaveNotes("x"));
    EXPECT_EQ(recorder.messages.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(cwd.Path() / "Notes.txt.new"));
}

TEST_F(ProgramFilesTest, FirstAppendCreatesUserDictionaryWithTitle) {
    MessageRecorder recorder;
    const AppendResult first = AppendToUserDictionary(W("гусьДомашняя птица"));
    EXPECT_TRUE(first.created);
    EXPECT_TRUE(first.written);
    const AppendResult second = AppendToUserDictionary(W("кот"));
    EXPECT_FALSE(second.created);
    EXPECT_TRUE(second.written);
    EXPECT_EQ(program.Read("user's.dic"),
              W("Пользовательский словарь\r\nгусьДомашняя птица\r\nкот\r\n"));
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(ProgramFilesTest, AppendNeverJoinsAnUnterminatedLastLine) {
    program.Write("user's.dic", W("Мой словарь\r\nкотЗверь"));
    const AppendResult r = AppendToUserDictionary(W("пёсДруг"));
    EXPECT_FALSE(r.created);
    EXPECT_TRUE(r.written);
    EXPECT_EQ(program.Read("user's.dic"), W("Мой словарь\r\nкотЗверь\r\nпёсДруг\r\n"));
    // A file ending in a lone LF needs no extra break.
    program.Write("user's.dic", "T\n");
    AppendToUserDictionary("a");
    EXPECT_EQ(program.Read("user's.dic"), "T\na\r\n");
}

TEST_F(ProgramFilesTest, UnwritableUserDictionaryReportsEveryLine) {
    std::filesystem::create_directory(program.Path() / "user's.dic");
    MessageRecorder recorder;
    for (int i = 0; i < 2; ++i) {
        const AppendResult r = AppendToUserDictionary(W("кот"));
        EXPECT_FALSE(r.created);
        EXPECT_FALSE(r.written);
    }
    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_EQ(recorder.messages[0], W("Не удалось записать новое определение в файл USER'S.DIC\r\n"
                                      "Возможно файл защищён от записи или диск переполнен"));
    EXPECT_TRUE(std::filesystem::is_directory(program.Path() / "user's.dic"));
}

}  // namespace
}  // namespace vellumar
