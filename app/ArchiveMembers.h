#pragma once
// The word-length members that a search reads from an archived dictionary.

#include <functional>
#include <string>
#include <vector>

#include "app/MemberCache.h"

namespace vellumar {

class TStream;

struct LoadedMembers {
    // One text per name asked for, in order; empty for a member the archive
    // lacks, nullptr for one that could not be read.
    std::vector<MemberText> texts;
    bool failed = false;   // some member could not be read
};

// Told of each member's text as soon as it is there.
using MemberUse = std::function<void(const std::string& text)>;

// The members `names` of the archive at `path`: from the program's member
// cache while the file is unchanged, else expanded (several at once for a
// large archive) and kept there. `open`, when given, is the archive already
// open, read again rather than opened anew. Each text that could be read is
// also handed to `use`, in no fixed order but one at a time: for a large
// archive from the threads that expand it, so that searching a member goes
// on while the next ones are expanded.
LoadedMembers LoadArchiveMembers(const std::string& path, const std::vector<std::string>& names,
                                 TStream* open = nullptr, const MemberUse& use = {});

}  // namespace vellumar
