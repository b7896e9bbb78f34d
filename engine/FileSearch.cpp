// Searching an arbitrary text file for words that fit a mask.

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "engine/Cp1251Literal.h"
#include "engine/Exception.h"
#include "engine/MaskMatcher.h"
#include "engine/Messages.h"
#include "engine/Search.h"

namespace vellumar {

namespace {

constexpr std::string_view kCannotRead = Cp1251<"Не могу прочитать файл ">;

constexpr std::size_t kBlockSize = 64 * 1024;

void AddFittingRuns(const MaskMatcher& matcher, std::string_view text, std::vector<std::string>& words) {
    matcher.ForEachFittingRun(text, [&words](std::string_view run) {
        words.push_back(LowerString(run));
        return true;
    });
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

std::unique_ptr<std::FILE, FileCloser> OpenForReading(const std::string& path) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    struct stat info;
    if (file && (fstat(fileno(file.get()), &info) != 0 || S_ISDIR(info.st_mode))) file.reset();
    return file;
}

}  // namespace

void SearchFileLine(std::string_view mask, std::string_view line, std::vector<std::string>& words,
                    const SearchSettings& s) {
    if (line.empty()) return;
    AddFittingRuns(MaskMatcher(mask, s), line, words);
}

std::vector<std::string> SearchFile(std::string_view mask, const std::string& path, const SearchSettings& s) {
    auto file = OpenForReading(path);
    if (!file) {
        ShowMessage(std::string(kCannotRead) + path);
        return {};
    }

    // Line breaks are no letters, so no word crosses one, nor any other byte
    // that is no letter: the file can be read in blocks and searched up to the
    // last such byte of what has been read, whatever the length of its lines.
    const MaskMatcher matcher(mask, s);
    std::vector<std::string> words;
    std::string pending;
    bool inLongRun = false;   // inside a run of letters too long to fit the mask
    std::vector<char> block(kBlockSize);
    for (;;) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), file.get());
        if (got == 0) {
            if (std::ferror(file.get()))
                throw EInOutError(std::string("I/O error while reading a file: ") + std::strerror(errno));
            break;
        }
        std::string_view data(block.data(), got);
        if (inLongRun) {
            std::size_t i = 0;
            while (i < data.size() && letters::IsRussianByte(letters::Byte(data[i]))) ++i;
            data.remove_prefix(i);
            if (data.empty()) continue;
            inLongRun = false;
        }
        pending.append(data);
        std::size_t cut = pending.size();
        while (cut > 0 && letters::IsRussianByte(letters::Byte(pending[cut - 1]))) --cut;
        if (cut > 0) {
            AddFittingRuns(matcher, std::string_view(pending).substr(0, cut), words);
            pending.erase(0, cut);
        } else if (pending.size() > mask.size()) {
            pending.clear();
            inLongRun = true;
        }
    }
    AddFittingRuns(matcher, pending, words);
    return words;
}

}  // namespace vellumar
