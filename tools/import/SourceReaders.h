#pragma once
// The readers of the three source formats. Each hands every entry it finds to
// the entry builder, sets the source's own title when it has one, and reports
// how much of its source it has read.

#include "tools/import/ByteSource.h"
#include "tools/import/EntryBuilder.h"

#include <functional>
#include <string>

namespace vellumar::import {

struct ReadContext {
    EntrySink& entries;
    // The share of the source read, 0 to 1; throws EImportCancelled to stop.
    std::function<void(double)> progress;
    std::string title;  // UTF-8, empty when the source names none
};

// Reports the share of `source`'s file read after each of its reads.
void ReportProgressOf(ByteSource& source, ReadContext& context);

// Whether a source's beginning (expanded, not decoded) shows its format: a DSL
// header line ("#NAME" and the like) as the first text, the .ifo's first
// line, an index line.
bool StartsLikeDsl(std::string_view head);
bool StartsLikeStarDictIfo(std::string_view head);
bool StartsLikeDictdIndex(std::string_view head);

void ReadDsl(const std::string& path, ReadContext& context);
void ReadStarDict(const std::string& ifoPath, ReadContext& context);
void ReadDictd(const std::string& indexPath, ReadContext& context);

}  // namespace vellumar::import
