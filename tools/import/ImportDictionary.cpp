#include "tools/import/ImportDictionary.h"

#include "engine/Cp1251Literal.h"
#include "tools/import/Cp1251Encoder.h"
#include "tools/import/EntryBuilder.h"
#include "tools/import/ImportErrors.h"
#include "tools/import/SourceFiles.h"
#include "tools/import/SourceReaders.h"
#include "tools/pack/ArchiveWriter.h"
#include "tools/pack/DictionaryPacker.h"

namespace vellumar::import {

namespace {

// The share of the progress that reading takes; packing takes the rest.
constexpr double kReadShare = 0.5;
// The beginning that tells a source's format, and a text's encoding.
constexpr std::size_t kHeadBytes = 16 << 10;
constexpr std::string_view kFallbackTitle = Cp1251<"Импортированный словарь">;

std::string FileName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Head(const std::string& path) {
    ByteSource source(path, kHeadBytes);
    std::string head(kHeadBytes, '\0');
    std::size_t got = 0;
    while (got < head.size()) {
        const std::size_t n = source.Read(head.data() + got, head.size() - got);
        if (n == 0) break;
        got += n;
    }
    head.resize(got);
    return head;
}

}  // namespace

const char* FormatName(SourceFormat format) {
    switch (format) {
        case SourceFormat::Dsl: return "DSL";
        case SourceFormat::StarDict: return "StarDict";
        case SourceFormat::Dictd: return "dictd";
    }
    return "";
}

std::optional<SourceFormat> DetectSourceFormat(const std::string& path) {
    const std::string head = Head(path);
    if (StartsLikeStarDictIfo(head)) return SourceFormat::StarDict;
    if (StartsLikeDictdIndex(head)) return SourceFormat::Dictd;
    if (StartsLikeDsl(head)) return SourceFormat::Dsl;
    return std::nullopt;
}

void ReportProgressOf(ByteSource& source, ReadContext& context) {
    source.OnFileRead([&source, &context] {
        const std::uint64_t size = source.FileSize();
        context.progress(size == 0 ? 1.0 : static_cast<double>(source.FileOffset()) / static_cast<double>(size));
    });
}

std::string DefaultOutputName(const std::string& sourcePath) {
    std::string name = FileName(sourcePath);
    if (HasExtension(name, ".dz") || HasExtension(name, ".gz")) name = WithoutLastExtension(name);
    name = WithoutLastExtension(name);
    return (name.empty() ? std::string("dictionary") : name) + ".dic";
}

ImportSummary ImportDictionary(const ImportOptions& options) {
    const std::optional<SourceFormat> format = DetectSourceFormat(options.source);
    if (!format) throw EUnknownSourceFormat(options.source);

    const auto report = [&options](double done) {
        if (options.cancelled && options.cancelled()) throw EImportCancelled();
        if (options.progress) options.progress(done);
    };
    ImportSummary summary;
    summary.format = *format;
    Cp1251Encoder encoder;
    pack::DictionaryCollector collector;
    EntryBuilder entries(encoder, collector, summary);
    ReadContext context{entries, [&report](double read) { report(kReadShare * read); }, {}};
    switch (*format) {
        case SourceFormat::Dsl: ReadDsl(options.source, context); break;
        case SourceFormat::StarDict: ReadStarDict(options.source, context); break;
        case SourceFormat::Dictd: ReadDictd(options.source, context); break;
    }

    if (!options.title.empty()) {
        summary.title = entries.Title(options.title);
        if (summary.title.empty()) throw EImportError("the title holds nothing that cp1251 can show");
    } else {
        summary.title = entries.Title(context.title);
        if (summary.title.empty()) summary.title = entries.Title(WithoutExtension(DefaultOutputName(options.source), ".dic"));
        if (summary.title.empty()) summary.title = kFallbackTitle;
    }

    collector.Finish();
    report(kReadShare);
    pack::ArchiveWriter writer(options.method);
    collector.WriteTo(writer, summary.title, [&report](std::size_t done, std::size_t total) {
        report(kReadShare + (1 - kReadShare) * static_cast<double>(done) / static_cast<double>(total));
    });
    // A cancel that came while the last member was packed still leaves nothing.
    if (options.cancelled && options.cancelled()) throw EImportCancelled();
    writer.WriteFile(options.output);

    summary.written = collector.Summary().packed;
    summary.duplicates += collector.Summary().duplicates;
    summary.droppedCharacters = encoder.Dropped();
    return summary;
}

}  // namespace vellumar::import
