#pragma once
// Static Huffman codes for the LH5 block heads: code lengths limited to a maximum
// and canonical codes in the order the decoder's tables assign them.

#include <cstdint>
#include <vector>

namespace vellumar::pack {

// Code lengths for the given symbol frequencies, none longer than maxLength.
// Symbols of frequency 0 get length 0. With two or more used symbols the lengths
// form a complete prefix code; with fewer, every length is 0 (the caller sends
// such a code in its one-symbol form).
std::vector<std::uint8_t> CodeLengths(const std::vector<std::uint32_t>& frequencies, int maxLength);

// Canonical codes: shorter codes first, and within one length, in symbol order.
std::vector<std::uint16_t> CanonicalCodes(const std::vector<std::uint8_t>& lengths);

// How many symbols have a non-zero frequency; `last` receives the last of them.
int UsedSymbols(const std::vector<std::uint32_t>& frequencies, int* last = nullptr);

}  // namespace vellumar::pack
