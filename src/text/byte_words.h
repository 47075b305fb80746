#pragma once
// Tests on eight bytes of text at once, for the scans over markup and texts
// that look at every byte of a document.

#include <cstdint>
#include <cstring>

inline constexpr std::uint64_t kEveryByteOne = 0x0101010101010101u;
inline constexpr std::uint64_t kEveryByteLow7 = 0x7F7F7F7F7F7F7F7Fu;
inline constexpr std::uint64_t kEveryByteHigh = 0x8080808080808080u;

inline std::uint64_t LoadWord(const char* at) {
  std::uint64_t word = 0;
  std::memcpy(&word, at, sizeof word);
  return word;
}

// 0x80 in every byte of word equal to c, nothing elsewhere (no carry crosses
// from one byte into the next).
inline std::uint64_t BytesEqual(std::uint64_t word, char c) {
  const std::uint64_t zeroed = word ^ (kEveryByteOne * static_cast<unsigned char>(c));
  return ~(((zeroed & kEveryByteLow7) + kEveryByteLow7) | zeroed | kEveryByteLow7);
}
