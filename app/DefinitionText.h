#pragma once
// A result entry's definitions as they are shown to the reader, in the
// definitions panel and on the terminal alike.

#include <string>
#include <string_view>
#include <vector>

namespace vellumar {

struct ShownDefinition {
    int number = 0;     // its place among the entry's definitions, from 1
    std::string text;   // spaced for reading
};

// The entry's definition spaced for reading (SpaceDefinition) and split at the
// separator of merged definitions. A piece shorter than two characters is left
// out but keeps its number; the last piece is always there. Nothing for an
// entry without definition.
std::vector<ShownDefinition> ShownDefinitions(std::string_view entry);

}  // namespace vellumar
