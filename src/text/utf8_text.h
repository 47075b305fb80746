#pragma once
// Text is UTF-8 inside the program. Limits "in characters" count code points and
// never cut one in half; a byte that is not part of a valid sequence counts as one
// character.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "text/byte_words.h"

bool IsValidUtf8(std::string_view bytes);
bool IsAscii(std::string_view text);
// ASCII without the two characters: a text that needs no conversion, nor
// escaping or unescaping. Most texts of a document are; they are tested by the
// hundred thousand, eight bytes at a time.
inline bool IsAsciiWithout(std::string_view text, char one, char other) {
  const auto marks = [&](std::uint64_t word) {
    return word | BytesEqual(word, one) | BytesEqual(word, other);
  };
  std::uint64_t seen = 0;
  if (text.size() >= 8) {
    for (std::size_t i = 0; i + 8 < text.size(); i += 8) seen |= marks(LoadWord(text.data() + i));
    seen |= marks(LoadWord(text.data() + text.size() - 8));  // the last eight, overlapping
  } else {
    for (char c : text) {
      seen |= static_cast<unsigned char>(c) | ((c == one || c == other) ? 0x80u : 0u);
    }
  }
  return (seen & kEveryByteHigh) == 0;
}
// Other versions read and write the Windows ANSI code page, Windows-1252. Its
// five undefined bytes read as the C1 controls of the same value and write back.
std::string Cp1252ToUtf8(std::string_view bytes);
// Nothing when a character does not fit the code page.
std::optional<std::string> Utf8ToCp1252(std::string_view text);
// A text in a file is UTF-8 when it is valid UTF-8, Windows-1252 otherwise: the
// bytes themselves, or their conversion kept in *converted.
std::string_view TextFromFile(std::string_view bytes, std::string* converted);
// Whether the text, written in Windows-1252, reads back as itself: every
// character fits, and the bytes do not pose as UTF-8.
bool ReadsBackInWindows1252(std::string_view text);
std::size_t CountChars(std::string_view text);
// The first maxChars characters of the text.
std::string_view FirstChars(std::string_view text, std::size_t maxChars);
// The code point's bytes; code points beyond 0x10FFFF and surrogates are the caller's to refuse.
void AppendUtf8(std::string& out, char32_t code);
