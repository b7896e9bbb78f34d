#pragma once
// Parameters of the LH5 method (LZSS over an 8 KiB ring with static Huffman
// blocks), shared by the decoder and the encoder.

namespace vellumar::lh5 {

inline constexpr int DictionaryBits = 13;
inline constexpr int RingSize = 1 << DictionaryBits;  // 8192; starts filled with spaces, writing at 0
inline constexpr int MaxMatch = 256;
inline constexpr int Threshold = 3;  // shortest match
inline constexpr int NC = 255 + MaxMatch + 2 - Threshold;  // 510 literal/length symbols
inline constexpr int MatchSymbolOffset = 253;             // length = symbol - 253
inline constexpr int NP = DictionaryBits + 1;              // 14 position classes
inline constexpr int NT = 16 + 3;                          // 19 code-length symbols
inline constexpr int PBit = 4;   // width of the position count field
inline constexpr int TBit = 5;   // width of the code-length count field
inline constexpr int CBit = 9;   // width of the literal/length count field
inline constexpr int BlockSizeBits = 16;
inline constexpr int MaxCodeLength = 16;
inline constexpr int TSpecial = 3;  // after this many code-length lengths, 2 bits give a run of zeros
inline constexpr int LiteralTableBits = 12;
inline constexpr int PositionTableBits = 8;

}  // namespace vellumar::lh5
