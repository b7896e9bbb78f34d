#include "app/ProgramDirectory.h"

#include <filesystem>
#include <system_error>

namespace vellumar {

namespace {

std::string FromRunningProgram() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "./";
    // Everything up to and including the last separator.
    const std::string path = exe.string();
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
}

}  // namespace vellumar
