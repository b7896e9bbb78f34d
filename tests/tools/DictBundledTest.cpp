// The dictionaries the build puts beside the program: real content, readable by
// the program's reader, every line in dictionary form and in order.

#include "engine/Letters.h"
#include "tests/tools/PackSupport.h"
#include "tools/pack/DictionaryPacker.h"

#include <algorithm>
#include <map>

namespace vellumar {
namespace {

using namespace packtest;

using Members = std::map<int, std::vector<std::string>>;

// Members 2..22 of a bundled dictionary, each read the way the search reads it.
Members ReadBundled(const std::string& name) {
    const std::string path = std::string(VELLUMAR_BIN_DIR) + "/" + name;
    Members members;
    if (!std::filesystem::exists(path)) {
        ADD_FAILURE() << path << " is missing: the normal build makes it";
        return members;
    }
    for (int n = pack::MinWordLength; n <= pack::MaxWordLength; ++n) {
        TArchive reader;
        TMemoryStream stream;
        EXPECT_NO_THROW(reader.ExpandMember(path, stream, pack::LengthMemberName(n))) << name << ' ' << n;
        stream.Rewind();
        members[n] = stream.ReadLines();
    }
    return members;
}

bool HasWord(const Members& members, const std::string& utf8) {
    const std::string word = W(utf8);
    const auto& lines = members.at(static_cast<int>(word.size()));
    return std::binary_search(lines.begin(), lines.end(), word,
                              [](const std::string& a, const std::string& b) { return pack::DictionaryLess(a, b); });
}

void ExpectDictionaryForm(const Members& members) {
    for (const auto& [length, lines] : members) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            ASSERT_EQ(NormaliseLine(line), line) << "member " << length << " line " << i;
            ASSERT_EQ(WordPart(line).size(), static_cast<std::size_t>(length)) << "member " << length << " line " << i;
            if (i > 0) {
                ASSERT_TRUE(pack::DictionaryLess(lines[i - 1], line)) << "member " << length << " line " << i;
            }
        }
    }
}

TEST(DictBundled, SpellingDictionaryHoldsTheGeneralWords) {
    const Members members = ReadBundled("spelling.dic");
    if (members.empty()) return;
    std::size_t total = 0;
    for (const auto& [length, lines] : members) total += lines.size();
    EXPECT_GT(total, 100000u);
    for (const char* word : {"кот", "ёж", "абзац", "москва", "электростанция"}) EXPECT_TRUE(HasWord(members, word)) << word;
    // Abbreviations and words with signs are not taken.
    EXPECT_FALSE(HasWord(members, "чпу"));
    ExpectDictionaryForm(members);
    for (const auto& [length, lines] : members)
        for (const std::string& line : lines) ASSERT_EQ(WordPart(line), line) << "a spelling line has no definition";
    const std::string path = std::string(VELLUMAR_BIN_DIR) + "/spelling.dic";
    EXPECT_EQ(ExpandFromFile(path, "0.dic"), W("Орфографический словарь\r\n"));
    TArchive reader;
    EXPECT_EQ(reader.ListMembers(path).methodId, "LH5");
}

TEST(DictBundled, SynonymsDictionaryGivesSynonymsAsDefinitions) {
    const Members members = ReadBundled("synonyms.dic");
    if (members.empty()) return;
    const std::string abzac = W("абзац");
    std::vector<std::string> definitions;
    for (const std::string& line : members.at(5))
        if (WordPart(line) == abzac) definitions.push_back(LowerString(DefinitionPart(line)));
    ASSERT_FALSE(definitions.empty());
    EXPECT_TRUE(std::any_of(definitions.begin(), definitions.end(),
                            [](const std::string& d) { return d.find(W("отступ")) != std::string::npos; }));
    std::size_t total = 0;
    for (const auto& [length, lines] : members) {
        total += lines.size();
        for (const std::string& line : lines) {
            ASSERT_FALSE(DefinitionPart(line).empty()) << "a synonym line without synonyms";
            ASSERT_LE(line.size() - length, MaxDefinitionLength);
        }
    }
    EXPECT_GT(total, 10000u);
    ExpectDictionaryForm(members);
    const std::string path = std::string(VELLUMAR_BIN_DIR) + "/synonyms.dic";
    EXPECT_EQ(ExpandFromFile(path, "0.dic"), W("Словарь синонимов\r\n"));
    TArchive reader;
    EXPECT_EQ(reader.ListMembers(path).methodId, "LH5");
}

}  // namespace
}  // namespace vellumar
