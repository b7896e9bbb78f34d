#pragma once
// Turns the readers' entries into dictionary lines: a headword becomes the
// line's word (stress marks dropped, lower-cased, one Russian word of 2 to 22
// letters or skipped), the definition text is converted to cp1251, tidied and
// cut to what the line model shows, and the line goes to the packer's
// collector. Every headword is counted: written, or skipped with its reason.

#include "tools/import/Cp1251Encoder.h"
#include "tools/import/ImportDictionary.h"
#include "tools/pack/DictionaryPacker.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vellumar::import {

// Stands in a definition for the headword it is shown with (DSL's "~").
inline constexpr char kHeadwordMark = '\x01';

// Gathers a definition's lines as UTF-8: each trimmed, empty ones left out,
// joined by "; " (by a blank after a line that ends in "," ";" or ":", which
// continues on the next). Control characters become blanks, but for the
// headword marks that a caller keeps. Stops gathering at kMaxDefinitionSourceBytes.
class DefinitionLines {
public:
    void Add(std::string_view line, bool keepMarks = false);
    // Each line of a text (LF or CR LF) as by Add.
    void AddText(std::string_view text);
    const std::string& Text() const { return text_; }
    void Clear() { text_.clear(); }

private:
    std::string text_;
};

// What the readers hand their entries to.
class EntrySink {
public:
    virtual ~EntrySink() = default;
    // One entry of the source: one or more headwords (UTF-8) sharing a definition.
    virtual void Add(std::span<const std::string_view> headwords, std::string_view definition) = 0;
    // Headwords whose entry can't be read (its data lies outside the file).
    virtual void Damaged(std::size_t headwords) = 0;
    // A word as spellings are compared: lower-cased, without what is no letter
    // or digit (as index makers strip it); nothing when it is not text that
    // cp1251 can hold.
    virtual std::optional<std::string> FoldedWord(std::string_view text) = 0;
};

class EntryBuilder : public EntrySink {
public:
    EntryBuilder(Cp1251Encoder& encoder, pack::DictionaryCollector& collector, ImportSummary& summary)
        : encoder_(encoder), collector_(collector), summary_(summary) {}

    void Add(std::span<const std::string_view> headwords, std::string_view definition) override;
    void Damaged(std::size_t headwords) override;
    std::optional<std::string> FoldedWord(std::string_view text) override;

    // A title as one cp1251 line; empty when nothing of it is left.
    std::string Title(std::string_view utf8);

private:
    enum class Verdict { Word, NotOneWord, TooShort, TooLong, BadText };
    Verdict Headword(std::string_view utf8, std::string& shown, std::string& word);
    void Count(Verdict verdict);
    // The line for one word, normalised and cut to the definition's limit.
    void AddLine(const std::string& word, const std::string& shown, std::string_view definition);

    Cp1251Encoder& encoder_;
    pack::DictionaryCollector& collector_;
    ImportSummary& summary_;
};

}  // namespace vellumar::import
