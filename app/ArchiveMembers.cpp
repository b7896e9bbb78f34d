#include "app/ArchiveMembers.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <new>
#include <optional>
#include <system_error>
#include <thread>

#include "app/Catalogue.h"
#include "archive/FileStream.h"

namespace vellumar {

namespace {

// Below this file size a second thread costs more than it saves.
constexpr off_t kParallelFileSize = off_t{4} << 20;
constexpr unsigned kMostThreads = 4;

// One member's text, or nullptr when the archive can't be read; only running
// out of memory leaves.
MemberText ExpandOne(TStream& archive, const std::string& name) {
    try {
        return std::make_shared<const std::string>(ExpandMemberText(archive, name));
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception&) {
        return nullptr;
    }
}

// Expands the members at `todo` of `names` into `texts`, taking them one at a
// time from a shared counter, each worker through its own open of the file,
// and hands each text to `use` as soon as it is there, one at a time.
void ExpandAll(const std::string& path, TStream* open, const std::vector<std::string>& names,
               const std::vector<std::size_t>& todo, std::vector<MemberText>& texts, unsigned workers,
               const MemberUse& use) {
    std::atomic<std::size_t> next{0};
    std::exception_ptr failure;
    std::atomic<bool> failed{false};
    std::mutex using_;
    const auto work = [&](TStream* archive) {
        try {
            std::optional<TFileStream> own;
            for (std::size_t i; !failed && (i = next++) < todo.size();) {
                MemberText& text = texts[todo[i]];
                try {
                    if (!archive) archive = &own.emplace(path);
                    text = ExpandOne(*archive, names[todo[i]]);
                } catch (const std::bad_alloc&) {
                    throw;
                } catch (const std::exception&) {
                    text = nullptr;   // the file can't be opened
                }
                if (text && use) {
                    const std::lock_guard<std::mutex> one(using_);
                    use(*text);
                }
            }
        } catch (...) {
            if (!failed.exchange(true)) failure = std::current_exception();
        }
    };
    std::vector<std::thread> helpers;
    for (unsigned k = 1; k < workers; ++k) {
        try {
            helpers.emplace_back(work, nullptr);
        } catch (const std::system_error&) {
            break;   // no more threads to be had: the ones there do the work
        }
    }
    work(open);
    for (std::thread& t : helpers) t.join();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace

LoadedMembers LoadArchiveMembers(const std::string& path, const std::vector<std::string>& names, TStream* open,
                                 const MemberUse& use) {
    LoadedMembers loaded;
    loaded.texts.resize(names.size());
    ExpandedMemberCache& cache = MemberCache();
    const std::optional<FileIdentity> before = IdentifyFile(path);

    std::vector<std::size_t> todo;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (before) loaded.texts[i] = cache.Find(path, *before, names[i]);
        if (!loaded.texts[i]) {
            todo.push_back(i);
        } else if (use) {
            use(*loaded.texts[i]);
        }
    }
    if (todo.empty()) return loaded;

    const bool large = before && before->size >= kParallelFileSize;
    const unsigned workers =
        large ? std::clamp<unsigned>(std::thread::hardware_concurrency(), 1, kMostThreads) : 1;
    ExpandAll(path, open, names, todo, loaded.texts, std::min<unsigned>(workers, static_cast<unsigned>(todo.size())),
              use);

    // Kept only if the file did not change while it was read.
    const bool unchanged = before && IdentifyFile(path) == before;
    for (std::size_t i : todo) {
        if (!loaded.texts[i]) {
            loaded.failed = true;
        } else if (unchanged) {
            cache.Keep(path, *before, names[i], loaded.texts[i]);
        }
    }
    return loaded;
}

}  // namespace vellumar
