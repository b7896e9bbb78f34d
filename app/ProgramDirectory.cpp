#include "app/ProgramDirectory.h"

#include <unistd.h>

#include "app/UserFolders.h"

namespace vellumar {

namespace {

// The running program's path, or nothing. Through the system call rather than
// std::filesystem, whose start-up every run of the command-line tool would pay.
std::string RunningProgram() {
    std::string path(256, '\0');
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
        if (n < 0) return {};
        if (static_cast<std::size_t>(n) < path.size()) {
            path.resize(static_cast<std::size_t>(n));
            return path;
        }
        path.resize(path.size() * 2);  // perhaps cut off: try again with more room
    }
}

std::string FromRunningProgram() {
    // Everything up to and including the last separator.
    const std::string path = RunningProgram();
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

std::string& Stored() {
    static std::string directory = FromRunningProgram();
    return directory;
}

}  // namespace

std::string WithTrailingSeparator(std::string directory) {
    if (!directory.empty() && directory.back() != '/') directory += '/';
    return directory;
}

const std::string& ProgramDirectory() { return Stored(); }

void SetProgramDirectory(const std::string& directory) {
    Stored() = WithTrailingSeparator(directory.empty() ? std::string("./") : directory);
    SetFilesMode(FilesMode::Portable);
}

}  // namespace vellumar
