#include "app/Catalogue.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <unistd.h>

#include "app/FileIO.h"
#include "app/ProgramDirectory.h"
#include "archive/Archive.h"
#include "archive/FileStream.h"
#include "archive/MemoryStream.h"
#include "engine/TextLines.h"

namespace vellumar {

namespace {

// A title member is a line or two; this bounds what a damaged one can cost.
constexpr std::int64_t kMaxTitleMemberSize = 1 << 20;

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool HasDicExtension(const std::string& name) {
    static constexpr std::string_view ext = ".dic";
    if (name.size() < ext.size()) return false;
    for (std::size_t i = 0; i < ext.size(); ++i)
        if (AsciiLower(name[name.size() - ext.size() + i]) != ext[i]) return false;
    return true;
}

bool ListingLess(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(AsciiLower(a[i]));
        const auto y = static_cast<unsigned char>(AsciiLower(b[i]));
        if (x != y) return x < y;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a.compare(b) < 0;
}

// Listed with the system's calls rather than std::filesystem, whose start-up
// every run of the command-line tool would pay, and through a small buffer on
// the stack rather than opendir, whose 32 KiB buffer grows the heap and trims
// it again on every run.
std::vector<std::string> ListDictionaryNames(const std::string& directory) {
    std::vector<std::string> names;
    const int fd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        alignas(dirent64) char buffer[4096];
        ssize_t got;
        while ((got = ::getdents64(fd, buffer, sizeof buffer)) > 0) {
            for (ssize_t at = 0; at < got;) {
                const auto* entry = reinterpret_cast<const dirent64*>(buffer + at);
                std::string name = entry->d_name;
                if (HasDicExtension(name)) names.push_back(std::move(name));
                at += entry->d_reclen;
            }
        }
        ::close(fd);
    }
    std::sort(names.begin(), names.end(), ListingLess);
    return names;
}

// The first line of member "0.dic", when the file is an archive that has one.
bool ReadArchiveTitle(TStream& file, std::string& title) {
    try {
        TArchive archive;
        archive.MaxExpandedSize = kMaxTitleMemberSize;
        TMemoryStream stream;
        archive.ExpandMember(file, stream, std::string(TitleMemberName));
        stream.Rewind();
        const std::vector<std::string> lines = stream.ReadLines();
        if (lines.empty()) return false;
        title = lines.front();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// The archive at `path`, open, with its title; nothing when it has none.
std::unique_ptr<TStream> OpenTitled(const std::string& path, std::string& title) {
    try {
        auto file = std::make_unique<TFileStream>(path);
        if (ReadArchiveTitle(*file, title)) return file;
    } catch (const std::exception&) {
    }
    return nullptr;
}

// An archive's member as text; throws what the reader throws.
std::string ReadArchiveMemberText(const std::string& archivePath, const std::string& member) {
    TFileStream file(archivePath);
    return ExpandMemberText(file, member);
}

}  // namespace

std::string LengthMemberName(std::size_t length) { return std::to_string(length) + ".dic"; }

std::string ExpandMemberText(TStream& archive, const std::string& member) {
    TArchive reader;
    TMemoryStream stream;
    reader.ExpandMember(archive, stream, member);
    return stream.TakeData();
}

std::vector<std::string> DictionaryFilePaths(const std::string& directory) {
    return DictionaryFilePaths(std::vector<std::string>{directory});
}

std::vector<std::string> DictionaryFilePaths(const std::vector<std::string>& directories) {
    // Name to path; a later directory's file takes the place of an earlier one's.
    std::map<std::string, std::string, decltype(&ListingLess)> files(&ListingLess);
    for (const std::string& directory : directories) {
        const std::string dir = WithTrailingSeparator(directory);
        for (std::string& name : ListDictionaryNames(directory)) files[name] = dir + name;
    }
    // Each entry goes on top of the ones before it.
    std::vector<std::string> paths;
    paths.reserve(files.size());
    for (auto it = files.rbegin(); it != files.rend(); ++it) paths.push_back(std::move(it->second));
    return paths;
}

DictionaryCatalogue ScanDictionaries(const std::string& directory) {
    return ScanDictionaries(std::vector<std::string>{directory});
}

DictionaryCatalogue ScanDictionaries(const std::vector<std::string>& directories) {
    DictionaryCatalogue catalogue;
    for (const std::string& path : DictionaryFilePaths(directories)) {
        DictionaryEntry entry;
        entry.path = path;
        if (OpenTitled(entry.path, entry.caption)) {
            entry.path.insert(entry.path.begin(), ' ');
        } else {
            entry.caption = ReadFirstLine(entry.path, MaxPlainTitleLength).value_or(std::string());
        }
        catalogue.push_back(std::move(entry));
    }
    return catalogue;
}

std::unique_ptr<TStream> OpenTitledArchive(const std::string& path) {
    std::string title;
    return OpenTitled(path, title);
}

std::vector<std::string> ReadArchiveMemberLines(const std::string& archivePath, const std::string& member) {
    return SplitTextLines(ReadArchiveMemberText(archivePath, member));
}

bool ReadPlainTextLines(const std::string& path, std::vector<std::string>& lines) {
    std::optional<std::string> content = ReadWholeFile(path);
    if (!content) return false;
    lines = SplitTextLines(*content);
    content.reset();
    if (!lines.empty()) lines.erase(lines.begin());
    return true;
}

}  // namespace vellumar
