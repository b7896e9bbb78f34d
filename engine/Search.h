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

// Receives each fitting word of a text, lower-cased. The view lasts only for
// the call; keep a copy.
using WordSink = std::function<void(std::string_view word)>;

// Turns the bytes of a file, piece by piece in order, into cp1251 text appended
// to `out`; called last with no bytes and `last` set, to hand out what it held.
using TextDecoder = std::function<void(std::string_view bytes, bool last, std::string& out)>;

// What an unreadable text file is reported with, followed by its path.
std::string_view CannotReadFileMessage();

// A run of more letters than this in a text file is no word.
inline constexpr std::size_t LongestTextFileWord = 255;

// The words of a text file that fit the mask, lower-cased, in the order found,
// repeats kept. An unreadable file is reported to the user and gives no words.
std::vector<std::string> SearchFile(std::string_view mask, const std::string& path, const SearchSettings& s);

// The same, handing each word to `sink` as it is found. The file is read in
// pieces, so any size takes the same memory; `decode`, when given, turns its
// bytes into cp1251 first. False when it can't be opened, which is left to
// the caller to report (with the path as the user knows it).
bool SearchFile(std::string_view mask, const std::string& path, const SearchSettings& s, const WordSink& sink,
                const TextDecoder& decode = {});

// Adds every fitting word of one line to `words`.
void SearchFileLine(std::string_view mask, std::string_view line, std::vector<std::string>& words,
                    const SearchSettings& s);

}  // namespace vellumar
