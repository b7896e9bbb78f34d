// vellumar-cli search: the search of the main window over the window's dictionaries or a directory's.

#include <cstdio>
#include <string>
#include <vector>

#include "app/AppMessages.h"
#include "app/Catalogue.h"
#include "app/DefinitionText.h"
#include "app/ResultOrder.h"
#include "app/SearchChoices.h"
#include "app/SearchRun.h"
#include "app/UserFolders.h"
#include "engine/Convert.h"
#include "engine/Cp1251Literal.h"
#include "engine/Exception.h"
#include "engine/Letters.h"
#include "engine/Messages.h"
#include "tools/cli/Command.h"
#include "tools/cli/Output.h"
#include "tools/cli/Encoding.h"

namespace vellumar::cli {

namespace {

constexpr const char* kName = "search";
constexpr std::string_view kShownSeparator = Cp1251<" · ">;

struct Options {
    QueryKind kind = QueryKind::Mask;
    std::string dir;
    std::string file;   // a text file searched instead of the dictionaries
    SearchSettings settings;
    std::string sort = "alpha";
    bool raw = false;
    std::string query;
};

// Parses the arguments; an error text when they are wrong.
std::string Parse(const std::vector<std::string>& args, Options& o) {
    bool haveQuery = false, kindSet = false, endOfOptions = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        // The argument after an option, or nothing at the end.
        const auto value = [&]() -> const std::string* { return i + 1 < args.size() ? &args[++i] : nullptr; };
        if (endOfOptions || a.empty() || a[0] != '-' || a == "-") {
            if (haveQuery) return "only one QUERY may be given";
            o.query = a;
            haveQuery = true;
        } else if (a == "--") {
            endOfOptions = true;
        } else if (a == "--anagram" || a == "--word") {
            if (kindSet) return "--anagram and --word exclude each other";
            o.kind = a == "--anagram" ? QueryKind::Anagram : QueryKind::Word;
            kindSet = true;
        } else if (a == "--dir") {
            const std::string* v = value();
            if (!v) return "--dir needs a directory";
            o.dir = *v;
        } else if (a == "--weight") {
            const std::string* op = value();
            const std::string* n = op ? value() : nullptr;
            if (!n) return "--weight needs OP and N";
            if (*op != "=" && *op != "<=" && *op != "=>") return "--weight OP must be =, <= or =>";
            try {
                (void)StrToInt(*n);
            } catch (const EConvertError&) {
                return "--weight N must be a whole number";
            }
            o.settings.weight.enabled = true;
            o.settings.weight.comparison = *op;
            o.settings.weight.value = *n;
        } else if (a == "--no-yo-ye") {
            o.settings.equivalences.yo_ye = false;
        } else if (a == "--no-y-i") {
            o.settings.equivalences.y_i = false;
        } else if (a == "--no-tz-mz") {
            o.settings.equivalences.tz_mz = false;
        } else if (a == "--where") {
            const std::string* v = value();
            SearchPlace where;
            if (!v || *v == "file" || !PlaceFromName(*v, where)) return "--where must be words, definitions or both";
            o.settings.mode = ModeFor(where);
        } else if (a == "--part") {
            const std::string* v = value();
            if (!v || !PartFromName(*v, o.settings.part)) return "--part must be whole, begin, end or any";
        } else if (a == "--file") {
            const std::string* v = value();
            if (!v) return "--file needs a text file";
            o.file = *v;
        } else if (a == "--sort") {
            const std::string* v = value();
            if (!v || (*v != "alpha" && *v != "length" && *v != "weight"))
                return "--sort must be alpha, length or weight";
            o.sort = *v;
        } else if (a == "--raw") {
            o.raw = true;
        } else {
            return "unknown option '" + a + "'";
        }
    }
    if (!haveQuery) return "QUERY is missing";
    if (!o.file.empty() && o.kind != QueryKind::Mask) return "--file searches for a mask, not with --anagram or --word";
    if (!o.file.empty() && !o.dir.empty()) return "--file and --dir exclude each other";
    return {};
}

// The grid mask from a typed mask: a blank, "?" or "." is an open cell.
std::string MaskFromTyped(const std::string& upper, std::string& error) {
    if (upper.size() < 2 || upper.size() > 22) {
        error = "a mask has 2 to 22 letters";
        return {};
    }
    std::vector<std::string> cells;
    for (std::size_t i = 0; i < upper.size(); ++i) {
        const char c = upper[i];
        if (c == '?' || c == '.' || c == ' ') {
            cells.emplace_back(" ");
        } else if (IsUpperRussian(c)) {
            cells.emplace_back(1, c);
        } else {
            error = "a mask holds Russian letters, blanks, '?' and '.' only (character " +
                    std::to_string(i + 1) + ")";
            return {};
        }
    }
    return MaskFromCells(cells);
}

// An entry as a reader wants it: the word, a tab, and its definitions spaced
// as the definitions panel shows them (without the blanks that spacing puts
// before a leading bracket or after a final sign), joined by " · ".
std::string Readable(const std::string& entry) {
    std::string line(WordPart(entry));
    const std::vector<ShownDefinition> definitions = ShownDefinitions(entry);
    for (std::size_t i = 0; i < definitions.size(); ++i) {
        std::string_view text = definitions[i].text;
        while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
        while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
        line += i == 0 ? std::string_view("\t") : kShownSeparator;
        line += text;
    }
    return line;
}

int RunSearchCommand(const std::vector<std::string>& args) {
    Options o;
    if (const std::string error = Parse(args, o); !error.empty()) return UsageError(kName, error);
    if (!CheckFolderOption(o.dir)) return kExitUsage;

    const std::optional<std::string> query = Utf8ToCp1251(o.query);
    if (!query) return UsageError(kName, "QUERY holds a character that has no place in cp1251");

    std::string text = *query;
    if (o.kind == QueryKind::Mask) {
        std::string error;
        text = MaskFromTyped(UpperString(*query), error);
        if (!error.empty()) return UsageError(kName, error);
    }

    const std::vector<std::string> folders = o.dir.empty() ? DictionaryDirectories() : std::vector{o.dir};
    SearchOutcome outcome = o.file.empty() ? RunSearchInDirectories(folders, o.kind, text, o.settings)
                                           : RunFileSearch(text, o.file, o.settings);
    if (outcome.status == SearchOutcome::Status::Rejected) return kExitUsage;
    if (outcome.unreadableFile) return kExitFailure;

    if (o.sort == "length") SortByLength(outcome.entries);
    if (o.sort == "weight") SortByWeight(outcome.entries);

    std::string out;
    for (const std::string& entry : outcome.entries) {
        out += o.raw ? entry : Cp1251ToUtf8(Readable(entry));
        out += '\n';
    }
    WriteOut(out);
    if (!FinishOut()) {
        WriteErr("vellumar-cli: cannot write standard output\n");
        return kExitFailure;
    }
    if (outcome.entries.empty()) {
        ShowMessage(texts::NothingFound);
        return kExitFailure;
    }
    return outcome.status == SearchOutcome::Status::Done ? kExitOk : kExitFailure;
}

const CommandRegistration registration({
    kName,
    "[--anagram | --word] [--dir DIR | --file FILE] [--where words|definitions|both] "
    "[--part whole|begin|end|any] [--weight OP N] [--no-yo-ye] [--no-y-i] [--no-tz-mz] "
    "[--sort alpha|length|weight] [--raw] QUERY",
    "Searches the dictionaries of DIR (default: the program's and the user's, as the window does) for a mask "
    "(blank, ? or . for an unknown letter), a word (--word) or an anagram (--anagram). "
    "--where definitions finds the entries whose definition holds a word that fits the mask, "
    "--where both either kind once. --part begin, end or any lets the mask stand for the start, "
    "the end or any run of letters of a longer word. --file searches the words of a text file "
    "(UTF-8 or cp1251) instead of the dictionaries. Each entry is printed as the word, a tab and "
    "its definitions joined by \" · \"; --raw prints the entries as stored, in cp1251.",
    RunSearchCommand,
});

}  // namespace

}  // namespace vellumar::cli
