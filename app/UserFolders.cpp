#include "app/UserFolders.h"

#include "app/FileIO.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <optional>

#include "app/Notes.h"
#include "app/ProgramDirectory.h"
#include "app/UserDictionary.h"

namespace vellumar {

namespace {

constexpr const char* kFolderName = "vellumar/";

std::optional<FilesMode>& Mode() {
    static std::optional<FilesMode> mode;
    return mode;
}

// The system's answer alone would call every folder writable for root.
bool IsWritableFolder(const std::string& directory) {
    struct stat st {};
    return ::stat(directory.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & 0222) != 0 &&
           ::access(directory.c_str(), W_OK) == 0;
}

std::string HomeDirectory() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_dir && *entry->pw_dir)
        return entry->pw_dir;
    return "/";
}

std::string BaseDirectory(const char* variable, const char* underHome) {
    if (const char* value = std::getenv(variable); value && value[0] == '/') return WithTrailingSeparator(value);
    return WithTrailingSeparator(HomeDirectory()) + underHome;
}

bool MakeFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0700) == 0) return ::chmod(path.c_str(), 0700) == 0;  // whatever the umask
    return errno == EEXIST && IsDirectory(path);
}

}  // namespace

bool HasPortableMarker(const std::string& programDirectory) {
    return ::access((WithTrailingSeparator(programDirectory) + PortableMarkerName).c_str(), F_OK) == 0;
}

FilesMode FilesModeOf(const std::string& programDirectory) {
    return HasPortableMarker(programDirectory) && IsWritableFolder(programDirectory) ? FilesMode::Portable
                                                                                      : FilesMode::Installed;
}

FilesMode CurrentFilesMode() {
    if (!Mode()) Mode() = FilesModeOf(ProgramDirectory());
    return *Mode();
}

void UseProgramFolder(const std::string& directory) {
    SetProgramDirectory(directory);
    Mode() = FilesModeOf(ProgramDirectory());
}

void SetFilesMode(FilesMode mode) { Mode() = mode; }

std::string ConfigHome() { return BaseDirectory("XDG_CONFIG_HOME", ".config/"); }
std::string DataHome() { return BaseDirectory("XDG_DATA_HOME", ".local/share/"); }

std::string SettingsDirectory() {
    return CurrentFilesMode() == FilesMode::Portable ? ProgramDirectory() : ConfigHome() + kFolderName;
}

std::string SettingsPath() { return SettingsDirectory() + SettingsFileName; }

std::string UserDictionaryDirectory() {
    return CurrentFilesMode() == FilesMode::Portable ? ProgramDirectory() : DataHome() + kFolderName;
}

std::string UserDictionaryPath() { return UserDictionaryDirectory() + UserDictionaryName; }

std::string NotesPath() {
    return CurrentFilesMode() == FilesMode::Portable ? std::string(NotesFileName)
                                                     : DataHome() + kFolderName + NotesFileName;
}

std::vector<std::string> DictionaryDirectories() {
    if (CurrentFilesMode() == FilesMode::Portable) return {ProgramDirectory()};
    return {ProgramDirectory(), UserDictionaryDirectory()};
}

bool CreateUserFolder(const std::string& directory) {
    if (directory.empty() || IsDirectory(directory)) return !directory.empty();
    // Each folder from the top down, so that every one made gets 0700.
    for (std::size_t slash = directory.find('/', 1); slash != std::string::npos;
         slash = directory.find('/', slash + 1)) {
        if (!IsDirectory(directory.substr(0, slash)) && !MakeFolder(directory.substr(0, slash))) return false;
    }
    return directory.back() == '/' || MakeFolder(directory);
}

bool CreateFolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return true;   // the current folder
    return CreateUserFolder(path.substr(0, slash + 1));
}

}  // namespace vellumar
