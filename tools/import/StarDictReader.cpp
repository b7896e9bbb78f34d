// StarDict: the .ifo names the dictionary and describes the .idx (headword,
// offset, size of each entry, sorted by headword) and the .dict with the
// entries' data; a .syn, when there is one, adds headwords to entries.

#include "tools/import/ImportErrors.h"
#include "tools/import/MarkupText.h"
#include "tools/import/SliceReader.h"
#include "tools/import/SourceFiles.h"
#include "tools/import/SourceReaders.h"

#include <algorithm>
#include <vector>

namespace vellumar::import {

namespace {

constexpr std::string_view kIfoMagic = "StarDict's dict ifo file";

struct IfoInfo {
    std::string bookname;
    bool offsets64 = false;
    std::string sameTypes;  // sametypesequence: each entry's fields without their type bytes
};

std::uint64_t BigEndian(std::string_view bytes) {
    std::uint64_t value = 0;
    for (char c : bytes) value = (value << 8) | static_cast<unsigned char>(c);
    return value;
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    return text;
}

IfoInfo ReadIfo(const std::string& path) {
    ByteSource source(path, kMaxHeaderBytes);
    const std::string text = source.ReadAll();
    if (!StartsLikeStarDictIfo(text)) throw EImportError(path + ": not a StarDict .ifo file");
    std::string_view rest = WithoutByteOrderMark(text);
    IfoInfo info;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view key = line.substr(0, equals), value = line.substr(equals + 1);
        if (key == "bookname") info.bookname = value;
        else if (key == "idxoffsetbits") info.offsets64 = value == "64";
        else if (key == "sametypesequence") info.sameTypes = value;
    }
    return info;
}

// The headwords of the entries, in the order of their data.
struct Entries {
    struct Record {
        std::uint64_t offset;
        std::uint32_t size;
        std::uint32_t index;  // in idx order
    };
    std::vector<Record> records;
    std::vector<std::string_view> words;       // by idx order
    std::vector<std::uint32_t> synonymStart;   // per idx entry, into synonyms
    std::vector<std::string_view> synonyms;
};

// Reads the .idx records; a record cut off by the file's end is counted as damaged.
void ParseIdx(std::string_view idx, bool offsets64, Entries& entries, ReadContext& context) {
    const std::size_t numberBytes = (offsets64 ? 8 : 4) + 4;
    std::size_t pos = 0;
    while (pos < idx.size()) {
        const std::size_t nul = idx.find('\0', pos);
        if (nul == std::string_view::npos || idx.size() - nul - 1 < numberBytes) {
            context.entries.Damaged(1);
            break;
        }
        const std::string_view numbers = idx.substr(nul + 1, numberBytes);
        entries.records.push_back({BigEndian(numbers.substr(0, numberBytes - 4)),
                                   static_cast<std::uint32_t>(BigEndian(numbers.substr(numberBytes - 4))),
                                   static_cast<std::uint32_t>(entries.words.size())});
        entries.words.push_back(idx.substr(pos, nul - pos));
        pos = nul + 1 + numberBytes;
    }
}

// Reads the .syn: a headword and the idx number of its entry each.
void ParseSyn(std::string_view syn, Entries& entries, ReadContext& context) {
    std::vector<std::pair<std::uint32_t, std::string_view>> found;
    std::size_t pos = 0;
    while (pos < syn.size()) {
        const std::size_t nul = syn.find('\0', pos);
        if (nul == std::string_view::npos || syn.size() - nul - 1 < 4) {
            context.entries.Damaged(1);
            break;
        }
        const auto index = static_cast<std::uint32_t>(BigEndian(syn.substr(nul + 1, 4)));
        if (index < entries.words.size()) found.emplace_back(index, syn.substr(pos, nul - pos));
        else context.entries.Damaged(1);
        pos = nul + 5;
    }
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    entries.synonymStart.assign(entries.words.size() + 1, 0);
    for (const auto& [index, word] : found) ++entries.synonymStart[index + 1];
    for (std::size_t i = 1; i < entries.synonymStart.size(); ++i) entries.synonymStart[i] += entries.synonymStart[i - 1];
    for (const auto& [index, word] : found) entries.synonyms.push_back(word);
}

// One field of an entry's data: text types as text, markup types as their
// text, anything else (resources, pictures, sounds) left out.
void AddField(char type, std::string_view data, DefinitionLines& lines) {
    switch (type) {
        case 'm': case 'l': case 't': case 'y': case 'w':
            lines.AddText(data);
            break;
        case 'g': case 'h': case 'x': case 'k':
            lines.AddText(MarkupText(data));
            break;
        default:
            break;
    }
}

bool IsTextType(char type) { return type >= 'a' && type <= 'z'; }

// The fields of an entry's data; false when their sizes run past its end.
// With a type sequence the type bytes are left out and the last field has
// neither its end mark nor its size.
bool AddFields(std::string_view data, std::string_view sameTypes, DefinitionLines& lines) {
    std::size_t typeIndex = 0;
    while (sameTypes.empty() ? !data.empty() : typeIndex < sameTypes.size()) {
        char type;
        if (sameTypes.empty()) {
            type = data.front();
            data.remove_prefix(1);
        } else {
            type = sameTypes[typeIndex];
        }
        const bool last = !sameTypes.empty() && ++typeIndex == sameTypes.size();
        std::string_view field;
        if (last) {
            field = data;
        } else if (IsTextType(type)) {
            field = data.substr(0, data.find('\0'));
            data.remove_prefix(std::min(field.size() + 1, data.size()));
        } else {
            if (data.size() < 4) return false;
            const std::uint64_t size = BigEndian(data.substr(0, 4));
            if (size > data.size() - 4) return false;
            field = data.substr(4, size);
            data.remove_prefix(4 + size);
        }
        AddField(type, field, lines);
        if (last) break;
    }
    return true;
}

}  // namespace

bool StartsLikeStarDictIfo(std::string_view head) { return WithoutByteOrderMark(head).starts_with(kIfoMagic); }

void ReadStarDict(const std::string& ifoPath, ReadContext& context) {
    const IfoInfo info = ReadIfo(ifoPath);
    context.title = info.bookname;
    const std::string base = WithoutExtension(ifoPath, ".ifo");
    Entries entries;

    ByteSource idxSource(CompanionFile(base, {".idx", ".idx.gz", ".idx.dz"}, "StarDict", ".idx"), kMaxIndexBytes);
    const std::string idx = idxSource.ReadAll();
    ParseIdx(idx, info.offsets64, entries, context);
    std::string syn;
    if (const std::string synPath = OptionalCompanionFile(base, {".syn", ".syn.gz", ".syn.dz"}); !synPath.empty()) {
        ByteSource synSource(synPath, kMaxIndexBytes);
        syn = synSource.ReadAll();
    }
    ParseSyn(syn, entries, context);

    ByteSource data(CompanionFile(base, {".dict", ".dict.dz"}, "StarDict", ".dict"), kMaxStreamBytes);
    ReportProgressOf(data, context);
    SliceReader slices(data);
    std::sort(entries.records.begin(), entries.records.end(), [](const auto& a, const auto& b) {
        return a.offset != b.offset ? a.offset < b.offset : a.size < b.size;
    });
    std::vector<std::string_view> headwords;
    DefinitionLines lines;
    for (std::size_t i = 0; i < entries.records.size();) {
        // Entries that share their data share one definition.
        headwords.clear();
        const Entries::Record& first = entries.records[i];
        for (; i < entries.records.size() && entries.records[i].offset == first.offset &&
               entries.records[i].size == first.size;
             ++i) {
            const std::uint32_t index = entries.records[i].index;
            headwords.push_back(entries.words[index]);
            for (std::uint32_t s = entries.synonymStart[index]; s < entries.synonymStart[index + 1]; ++s)
                headwords.push_back(entries.synonyms[s]);
        }
        std::string_view bytes;
        lines.Clear();
        if (first.size > kMaxEntryBytes || !slices.Slice(first.offset, first.size, bytes) ||
            !AddFields(bytes, info.sameTypes, lines)) {
            context.entries.Damaged(headwords.size());
            continue;
        }
        context.entries.Add(headwords, lines.Text());
    }
}

}  // namespace vellumar::import
