// Where the user's files go: a portable program folder keeps them, an
// installed one (or a portable folder that can't be written) names the user's
// folders; the catalogue lists the program's and the user's dictionaries.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/Catalogue.h"
#include "app/Notes.h"
#include "app/ProgramDirectory.h"
#include "app/UserDictionary.h"
#include "app/UserFolders.h"
#include "tests/app/TestSupport.h"

namespace vellumar {
namespace {

using test::EnvironmentValue;
using test::MessageRecorder;
using test::ScratchDir;

namespace fs = std::filesystem;

// A program folder, a home with default XDG folders and a current folder of
// its own; restores the program directory and the current folder at the end.
class UserFoldersTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedDirectory_ = ProgramDirectory();
        savedCwd_ = fs::current_path();
        fs::current_path(cwd.Path());
    }
    void TearDown() override {
        fs::current_path(savedCwd_);
        SetProgramDirectory(savedDirectory_);
        fs::permissions(program.Path(), fs::perms::owner_all, fs::perm_options::add);
    }

    ScratchDir program, home, cwd;
    EnvironmentValue homeValue{"HOME", home.Path().string()};
    EnvironmentValue configValue{"XDG_CONFIG_HOME", std::nullopt};
    EnvironmentValue dataValue{"XDG_DATA_HOME", std::nullopt};

private:
    std::string savedDirectory_;
    fs::path savedCwd_;
};

TEST_F(UserFoldersTest, TheMarkerAndAWritableFolderMakeAPortableProgram) {
    EXPECT_EQ(FilesModeOf(program.Dir()), FilesMode::Installed);
    program.Write(PortableMarkerName, "");
    EXPECT_EQ(FilesModeOf(program.Dir()), FilesMode::Portable);
    // Read-only for everybody: not portable, also for root, who could write it.
    fs::permissions(program.Path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_EQ(FilesModeOf(program.Dir()), FilesMode::Installed);
    // The build's program folder is portable.
    EXPECT_EQ(FilesModeOf(VELLUMAR_BIN_DIR), FilesMode::Portable);
}

TEST_F(UserFoldersTest, EachModeNamesItsFolders) {
    program.Write(PortableMarkerName, "");
    UseProgramFolder(program.Dir());
    EXPECT_EQ(CurrentFilesMode(), FilesMode::Portable);
    EXPECT_EQ(SettingsPath(), program.Dir() + "Vellumar.ini");
    EXPECT_EQ(UserDictionaryDirectory(), program.Dir());
    EXPECT_EQ(NotesPath(), "Notes.txt");
    EXPECT_EQ(DictionaryDirectories(), std::vector<std::string>{program.Dir()});

    fs::remove(program.File(PortableMarkerName));
    UseProgramFolder(program.Dir());
    EXPECT_EQ(CurrentFilesMode(), FilesMode::Installed);
    const std::string h = home.Dir();
    EXPECT_EQ(SettingsPath(), h + ".config/vellumar/Vellumar.ini");
    EXPECT_EQ(UserDictionaryDirectory(), h + ".local/share/vellumar/");
    EXPECT_EQ(UserDictionaryPath(), h + ".local/share/vellumar/user's.dic");
    EXPECT_EQ(NotesPath(), h + ".local/share/vellumar/Notes.txt");
    EXPECT_EQ(DictionaryDirectories(), (std::vector<std::string>{program.Dir(), h + ".local/share/vellumar/"}));

    // Absolute XDG folders are taken; relative ones are ignored.
    EnvironmentValue config("XDG_CONFIG_HOME", "/elsewhere/config");
    EnvironmentValue data("XDG_DATA_HOME", "relative/data");
    EXPECT_EQ(SettingsDirectory(), "/elsewhere/config/vellumar/");
    EXPECT_EQ(UserDictionaryDirectory(), h + ".local/share/vellumar/");
}

TEST_F(UserFoldersTest, AFolderThatCannotBeMadeFailsTheWriteWithItsMessage) {
    UseProgramFolder(program.Dir());
    home.Write(".local", "a file where the folder should be");
    MessageRecorder recorder;
    EXPECT_FALSE(AppendToUserDictionary("x").written);
    EXPECT_FALSE(SaveNotes("x"));
    EXPECT_EQ(recorder.messages.size(), 2u);
    EXPECT_FALSE(CreateUserFolder(home.Dir() + ".local/share/vellumar/"));
}

TEST(UserCatalogueTest, TheUnionKeepsNameOrderAndTheUserFileWins) {
    ScratchDir program, user;
    program.Write("a.dic", "A\r\n");
    program.Write("c.dic", "C\r\n");
    program.Write("user's.dic", "bundled\r\n");
    user.Write("b.dic", "B\r\n");
    user.Write("user's.dic", "mine\r\n");
    user.Write("C.dic", "other case, other name\r\n");
    const DictionaryCatalogue catalogue = ScanDictionaries(std::vector{program.Dir(), user.Dir()});
    std::vector<std::string> paths;
    for (const DictionaryEntry& e : catalogue) paths.push_back(e.path);
    EXPECT_EQ(paths, (std::vector<std::string>{user.File("user's.dic"), program.File("c.dic"), user.File("C.dic"),
                                               user.File("b.dic"), program.File("a.dic")}));
    EXPECT_EQ(catalogue[0].caption, "mine");
    // A user's folder that does not exist yet adds nothing.
    EXPECT_EQ(DictionaryFilePaths(std::vector{program.Dir(), user.Dir() + "missing/"}).size(), 3u);
}

}  // namespace
}  // namespace vellumar
