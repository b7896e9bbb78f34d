#pragma once
// One dictionary's pass, and the search in an arbitrary text file.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Match.h"

namespace vellumar {

// Receives each hit: a whole normalised line (word and definition). The view
// lasts only for the call; keep a copy.
using HitSink = std::function<void(std::string_view normalisedLine)>;

// Normalises every line and hands the hits to `sink`. Each line of `lines` is
// emptied as soon as it has been read, so the dictionary's memory goes back
// while the pass runs. With `anagram` set, `maskOrQuery` is an anagram query.
void SearchDictionary(std::string_view maskOrQuery, bool anagram, std::vector<std::string>& lines,
                      const SearchSettings& s, const HitSink& sink);

// The same pass over a whole dictionary text held in memory (an expanded
// archive member), split into lines as SplitTextLines splits; no line is copied
// unless it has to be put into dictionary form.
void SearchDictionaryText(std::string_view maskOrQuery, bool anagram, std::string_view text,
                          const SearchSettings& s, const HitSink& sink);

// The words of a text file that fit the mask, lower-cased, in the order found,
// repeats kept. An unreadable file is reported to the user and gives no words.
std::vector<std::string> SearchFile(std::string_view mask, const std::string& path, const SearchSettings& s);

// Adds every fitting word of one line to `words`.
void SearchFileLine(std::string_view mask, std::string_view line, std::vector<std::string>& words,
                    const SearchSettings& s);

}  // namespace vellumar
