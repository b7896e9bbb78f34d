#include "app/DefinitionText.h"

#include "engine/Letters.h"

namespace vellumar {

std::vector<ShownDefinition> ShownDefinitions(std::string_view entry) {
    std::vector<ShownDefinition> shown;
    const std::string spaced = SpaceDefinition(DefinitionPart(entry));
    if (spaced.empty()) return shown;
    std::string_view rest = spaced;
    int number = 0;
    for (std::size_t cut; (cut = rest.find(DefinitionSeparator)) != std::string_view::npos;) {
        ++number;
        const std::string_view piece = rest.substr(0, cut);
        rest.remove_prefix(cut + 1);
        if (piece.size() >= 2) shown.push_back({number, std::string(piece)});
    }
    shown.push_back({number + 1, std::string(rest)});
    return shown;
}

}  // namespace vellumar
