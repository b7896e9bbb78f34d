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

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

std::unique_ptr<std::FILE, FileCloser> OpenForReading(const std::string& path) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    struct stat info;
    if (file && (fstat(fileno(file.get()), &info) != 0 || S_ISDIR(info.st_mode))) file.reset();
    return file;
}

// The fitting words of a text handed over in pieces. Line breaks are no
// letters, so no word crosses one, nor any other byte that is no letter: each
// piece is searched up to its last such byte, and only the run of letters
// after it waits for the next piece, whatever the length of the lines.
class PieceSearch {
public:
    PieceSearch(std::string_view mask, const SearchSettings& s, const WordSink& sink)
        : matcher_(mask, s), longest_(s.part == MaskPart::Whole ? mask.size() : LongestTextFileWord), sink_(sink) {}

    void Add(std::string_view data) {
        if (inLongRun_) {
            std::size_t i = 0;
            while (i < data.size() && letters::IsRussianByte(letters::Byte(data[i]))) ++i;
            data.remove_prefix(i);
            if (data.empty()) return;
            inLongRun_ = false;
        }
        pending_.append(data);
        std::size_t cut = pending_.size();
        while (cut > 0 && letters::IsRussianByte(letters::Byte(pending_[cut - 1]))) --cut;
        if (cut > 0) {
            Search(std::string_view(pending_).substr(0, cut));
            pending_.erase(0, cut);
        }
        if (pending_.size() > longest_) {
            // A run too long to fit: skipped to its end.
            pending_.clear();
            inLongRun_ = true;
        }
    }

    void Finish() {
        Search(pending_);
        pending_.clear();
    }

private:
    void Search(std::string_view text) {
        matcher_.ForEachFittingRun(text, [this](std::string_view run) {
            if (run.size() <= longest_) sink_(LowerString(run));
            return true;
        });
    }

    const MaskMatcher matcher_;
    const std::size_t longest_;
    const WordSink& sink_;
    std::string pending_;
    bool inLongRun_ = false;   // inside a run of letters too long to fit
};

}  // namespace

std::string_view CannotReadFileMessage() { return kCannotRead; }

void SearchFileLine(std::string_view mask, std::string_view line, std::vector<std::string>& words,
                    const SearchSettings& s) {
    if (line.empty()) return;
    MaskMatcher(mask, s).ForEachFittingRun(line, [&words](std::string_view run) {
        words.push_back(LowerString(run));
        return true;
    });
}

bool SearchFile(std::string_view mask, const std::string& path, const SearchSettings& s, const WordSink& sink,
                const TextDecoder& decode) {
    auto file = OpenForReading(path);
    if (!file) return false;
    PieceSearch search(mask, s, sink);
    std::vector<char> block(kBlockSize);
    std::string decoded;
    const auto add = [&](std::string_view bytes, bool last) {
        if (!decode) return search.Add(bytes);
        decoded.clear();
        decode(bytes, last, decoded);
        search.Add(decoded);
    };
    for (;;) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), file.get());
        if (got == 0) {
            if (std::ferror(file.get()))
                throw EInOutError(std::string("I/O error while reading a file: ") + std::strerror(errno));
            break;
        }
        add(std::string_view(block.data(), got), false);
    }
    if (decode) add({}, true);
    search.Finish();
    return true;
}

std::vector<std::string> SearchFile(std::string_view mask, const std::string& path, const SearchSettings& s) {
    std::vector<std::string> words;
    if (!SearchFile(mask, path, s, [&words](std::string_view word) { words.emplace_back(word); }))
        ShowMessage(std::string(kCannotRead) + path);
    return words;
}

}  // namespace vellumar
