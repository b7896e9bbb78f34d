#pragma once
// Shared by the import fuzzers: arbitrary bytes become the files of one source
// (cut at kSectionMark into the files a format has), which are imported as a
// user imports them, or read and packed in memory where no format is told
// from them. Either must end normally or with one of the system's exceptions,
// never crash, hang or run out of memory.

#include "engine/Exception.h"
#include "tools/import/Cp1251Encoder.h"
#include "tools/import/EntryBuilder.h"
#include "tools/import/ImportDictionary.h"
#include "tools/import/ImportErrors.h"
#include "tools/import/SourceReaders.h"
#include "tools/pack/ArchiveWriter.h"
#include "tools/pack/DictionaryPacker.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vellumar::fuzz {

inline constexpr std::string_view kSectionMark = "#|#";

// A folder of this process's own for the source's files, removed when the fuzzer ends.
inline const std::string& FuzzFolder() {
    static const std::string folder = [] {
        std::string path = "/tmp/vellumar_import_fuzz_" + std::to_string(::getpid());
        std::filesystem::create_directories(path);
        return path + "/";
    }();
    // Registered once the folder's name is made, so it runs before the name is destroyed.
    static const bool removedAtExit = std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(FuzzFolder(), ignored);
    }) == 0;
    (void)removedAtExit;
    return folder;
}

// Writes the input's sections to the named files; a file without a section is removed.
inline void WriteSections(const std::uint8_t* data, std::size_t size, const std::vector<std::string>& names) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string path = FuzzFolder() + names[i];
        if (rest.data() == nullptr) {
            std::remove(path.c_str());
            continue;
        }
        const std::size_t mark = i + 1 < names.size() ? rest.find(kSectionMark) : std::string_view::npos;
        const std::string_view section = rest.substr(0, mark);
        if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
            std::fwrite(section.data(), 1, section.size(), f);
            std::fclose(f);
        }
        rest = mark == std::string_view::npos ? std::string_view() : rest.substr(mark + kSectionMark.size());
    }
}

// Reads the source with `read` and packs what it gave, stored, in memory.
inline void ReadAndPack(void (*read)(const std::string&, import::ReadContext&), const std::string& path) {
    static import::Cp1251Encoder encoder;
    import::ImportSummary summary;
    pack::DictionaryCollector collector;
    import::EntryBuilder entries(encoder, collector, summary);
    import::ReadContext context{entries, [](double) {}, {}};
    try {
        read(path, context);
        pack::ArchiveWriter writer(MethodNON);
        const std::string title = entries.Title(context.title);
        collector.WriteTo(writer, title.empty() ? std::string("T") : title);
    } catch (const Exception&) {
    }
}

// Imports the source through the whole import (the format told from the
// content, the sniffing, the bounds, the file written into the scratch folder);
// a source of no known format goes to `read` directly instead.
inline void ImportOrRead(void (*read)(const std::string&, import::ReadContext&), const std::string& path) {
    import::ImportOptions options;
    options.source = path;
    options.output = FuzzFolder() + "out.dic";
    options.method = MethodNON;
    try {
        import::ImportDictionary(options);
        return;
    } catch (const import::EUnknownSourceFormat&) {
    } catch (const Exception&) {
        return;
    }
    ReadAndPack(read, path);
}

}  // namespace vellumar::fuzz
