// DSL: a header of "#KEY value" lines, then cards. A card is one or more
// headword lines (starting in the first column) followed by body lines (starting
// with a blank or tab). A body line "@ phrase" opens a sub-entry, which a lone
// "@" closes; it is an entry of its own.

#include "tools/import/DslText.h"
#include "tools/import/ImportErrors.h"
#include "tools/import/SourceReaders.h"
#include "tools/import/TextLines.h"

#include <algorithm>
#include <vector>

namespace vellumar::import {

namespace {

// Headword text kept per card; the headwords beyond it are counted as damaged.
constexpr std::size_t kMaxHeadwordBytes = 1 << 20;
// Blank lines and comments looked through for the header when telling the format.
constexpr int kMaxLinesBeforeHeader = 100;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return text;
}

struct Card {
    std::vector<std::string> headwords;
    std::size_t headwordBytes = 0;
    DefinitionLines body;
    bool hasBody = false;

    void Clear() {
        headwords.clear();
        headwordBytes = 0;
        body.Clear();
        hasBody = false;
    }
};

class DslCards {
public:
    explicit DslCards(ReadContext& context) : context_(context) {}

    void Line(std::string& line);
    void Finish() {
        Emit(sub_);
        Emit(main_);
    }

private:
    void AddHeadwords(Card& card, std::string_view line, std::string_view tilde = {});
    void BodyLine(std::string_view text);
    void Emit(Card& card);

    ReadContext& context_;
    bool inHeader_ = true;
    bool inComment_ = false;
    bool inSub_ = false;
    Card main_;
    Card sub_;
};

void DslCards::Line(std::string& line) {
    RemoveDslComments(line, inComment_);
    const std::string_view text = TrimLeft(line);
    if (text.empty()) return;
    if (inHeader_) {
        if (text.front() == '#') {
            if (text.starts_with("#NAME")) context_.title = std::string(DslHeaderValue(text));
            return;
        }
        inHeader_ = false;
    }
    if (IsBlank(line.front())) {
        BodyLine(text);
        return;
    }
    if (main_.hasBody) Finish();
    AddHeadwords(main_, line);
}

void DslCards::AddHeadwords(Card& card, std::string_view line, std::string_view tilde) {
    if (card.headwordBytes + line.size() > kMaxHeadwordBytes) {
        context_.entries.Damaged(1);
        return;
    }
    card.headwordBytes += line.size();
    for (std::string& word : DslHeadwords(line, tilde)) card.headwords.push_back(std::move(word));
}

void DslCards::BodyLine(std::string_view text) {
    if (main_.headwords.empty() && !main_.hasBody) return;  // a body without a headword belongs to nothing
    main_.hasBody = true;
    if (text.front() == '@') {
        Emit(sub_);
        inSub_ = false;
        const std::string_view phrase = TrimLeft(text.substr(1));
        if (phrase.empty()) return;
        inSub_ = true;
        AddHeadwords(sub_, phrase, main_.headwords.empty() ? std::string_view() : main_.headwords.front());
        return;
    }
    Card& card = inSub_ ? sub_ : main_;
    card.body.Add(DslBodyText(text), true);
}

void DslCards::Emit(Card& card) {
    if (!card.headwords.empty()) {
        const std::vector<std::string_view> words(card.headwords.begin(), card.headwords.end());
        context_.entries.Add(words, card.body.Text());
    }
    card.Clear();
    if (&card == &main_) inSub_ = false;
}

}  // namespace

bool StartsLikeDsl(std::string_view head) {
    const std::string text = DecodeTextHead(std::string(head));
    std::string_view rest = text;
    bool inComment = false;
    for (int read = 0; read < kMaxLinesBeforeHeader && !rest.empty(); ++read) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        std::string line(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        RemoveDslComments(line, inComment);
        const std::string_view text = TrimLeft(line);
        if (text.empty()) continue;
        return text.size() >= 2 && text[0] == '#' && text[1] >= 'A' && text[1] <= 'Z';
    }
    return false;
}

void ReadDsl(const std::string& path, ReadContext& context) {
    ByteSource source(path, kMaxStreamBytes);
    ReportProgressOf(source, context);
    TextLines lines(source);
    DslCards cards(context);
    std::string line;
    while (lines.Next(line)) cards.Line(line);
    cards.Finish();
}

}  // namespace vellumar::import
