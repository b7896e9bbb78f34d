#include "tools/import/SourceFiles.h"

#include "tools/import/ImportErrors.h"

#include <sys/stat.h>

namespace vellumar::import {

namespace {

bool IsFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

bool HasExtension(std::string_view path, std::string_view extension) {
    if (path.size() < extension.size()) return false;
    path.remove_prefix(path.size() - extension.size());
    for (std::size_t i = 0; i < extension.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(path[i]) != lower(extension[i])) return false;
    }
    return true;
}

std::string WithoutExtension(const std::string& path, std::string_view extension) {
    if (!extension.empty() && HasExtension(path, extension)) return path.substr(0, path.size() - extension.size());
    return WithoutLastExtension(path);
}

std::string WithoutLastExtension(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash) || dot == slash + 1) return path;
    return path.substr(0, dot);
}

std::string OptionalCompanionFile(const std::string& base, std::initializer_list<std::string_view> extensions) {
    for (std::string_view extension : extensions) {
        std::string path = base + std::string(extension);
        if (IsFile(path)) return path;
    }
    return {};
}

std::string CompanionFile(const std::string& base, std::initializer_list<std::string_view> extensions,
                          std::string_view format, std::string_view what) {
    std::string path = OptionalCompanionFile(base, extensions);
    if (path.empty())
        throw EImportError("the " + std::string(format) + " dictionary " + base + " has no " + std::string(what) +
                           " file beside it");
    return path;
}

}  // namespace vellumar::import
