#include "app/SearchChoices.h"

#include <array>
#include <utility>

#include "app/FileIO.h"
#include "app/ProfileStrings.h"
#include "app/Settings.h"
#include "app/UserFolders.h"

namespace vellumar {

namespace {

constexpr const char* kSection = "Search";

constexpr std::array<std::pair<SearchPlace, const char*>, 4> kPlaces{{
    {SearchPlace::Words, "words"},
    {SearchPlace::Definitions, "definitions"},
    {SearchPlace::WordsAndDefinitions, "both"},
    {SearchPlace::File, "file"},
}};
constexpr std::array<std::pair<MaskPart, const char*>, 4> kParts{{
    {MaskPart::Whole, "whole"},
    {MaskPart::Begin, "begin"},
    {MaskPart::End, "end"},
    {MaskPart::Any, "any"},
}};

template <typename Value, std::size_t N>
const char* NameOf(const std::array<std::pair<Value, const char*>, N>& table, Value value) {
    for (const auto& [v, name] : table)
        if (v == value) return name;
    return table.front().second;
}

template <typename Value, std::size_t N>
bool ValueOf(const std::array<std::pair<Value, const char*>, N>& table, const std::string& name, Value& value) {
    for (const auto& [v, n] : table)
        if (name == n) {
            value = v;
            return true;
        }
    return false;
}

}  // namespace

const char* PlaceName(SearchPlace where) { return NameOf(kPlaces, where); }
bool PlaceFromName(const std::string& name, SearchPlace& where) { return ValueOf(kPlaces, name, where); }
const char* PartName(MaskPart part) { return NameOf(kParts, part); }
bool PartFromName(const std::string& name, MaskPart& part) { return ValueOf(kParts, name, part); }

SearchMode ModeFor(SearchPlace where) {
    switch (where) {
        case SearchPlace::Definitions:
            return SearchMode::Definitions;
        case SearchPlace::WordsAndDefinitions:
            return SearchMode::WordsAndDefinitions;
        default:
            return SearchMode::Words;
    }
}

SearchChoices ReadSearchChoices() {
    // The file read once for all three keys.
    const std::string content = ReadWholeFile(SettingsPath()).value_or(std::string());
    const auto value = [&](const char* key) { return ProfileValueIn(content, kSection, key).value_or(std::string()); };
    SearchChoices c;
    PlaceFromName(value("Where"), c.where);
    PartFromName(value("MaskPart"), c.part);
    c.file = value("File");
    return c;
}

void WriteSearchChoices(const SearchChoices& choices) {
    const std::string path = SettingsPath();
    CreateFolderOf(path);   // a failure shows in the first write
    const auto write = [&](const char* key, const std::string& value) {
        if (!WritePrivateProfileString(path, kSection, key, value))
            throw EIniFileException("Unable to write to " + path);
    };
    write("Where", PlaceName(choices.where));
    write("MaskPart", PartName(choices.part));
    write("File", choices.file);
}

}  // namespace vellumar
