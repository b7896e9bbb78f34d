#include "app/FileIO.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include <unistd.h>

namespace vellumar {

bool PathMayExist(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 || errno != ENOENT;
}

bool IsDirectory(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    File f(std::fopen(path.c_str(), "rb"));
    if (!f) return std::nullopt;
    std::string data;
    char buffer[1 << 16];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, f.get());
        data.append(buffer, got);
        if (got < sizeof buffer) break;
    }
    // A directory opens but fails on the first read.
    if (std::ferror(f.get())) return std::nullopt;
    return data;
}

std::optional<std::string> ReadFirstLine(const std::string& path, std::size_t limit) {
    File f(std::fopen(path.c_str(), "rb"));
    if (!f) return std::nullopt;
    std::string line;
    char buffer[4096];
    while (line.size() < limit) {
        const std::size_t want = std::min(sizeof buffer, limit - line.size());
        const std::size_t got = std::fread(buffer, 1, want, f.get());
        for (std::size_t i = 0; i < got; ++i) {
            if (buffer[i] == '\r' || buffer[i] == '\n' || buffer[i] == '\0') {
                line.append(buffer, i);
                return line;
            }
        }
        line.append(buffer, got);
        if (got < want) break;
    }
    if (std::ferror(f.get())) return std::nullopt;
    return line;
}

bool ReplaceFile(const std::string& path, std::string_view data) {
    const std::string temporary = path + ".new";
    std::FILE* raw = std::fopen(temporary.c_str(), "wb");
    if (!raw) return false;
    bool ok = std::fwrite(data.data(), 1, data.size(), raw) == data.size();
    ok = std::fflush(raw) == 0 && ok;
    // The new content must be on the disk before it replaces the old one.
    ok = ::fsync(::fileno(raw)) == 0 && ok;
    ok = std::fclose(raw) == 0 && ok;
    if (ok) ok = std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(temporary.c_str());
    return ok;
}

}  // namespace vellumar
