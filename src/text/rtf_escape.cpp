#include "text/rtf_escape.h"

#include <array>
#include <cstdint>

#include "text/utf8_text.h"

namespace {

// Code point of a valid UTF-8 sequence (as FirstChars cuts one).
char32_t CodeOf(std::string_view sequence) {
  const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(sequence[k]); };
  if (sequence.size() == 1) return byte(0);
  char32_t code = byte(0) & (0x7Fu >> sequence.size());
  for (std::size_t k = 1; k < sequence.size(); ++k) code = (code << 6) | (byte(k) & 0x3Fu);
  return code;
}

// Code points of bytes 0x80 to 0x9F, taken from the one conversion table.
const std::array<char32_t, 32>& HighCodes() {
  static const std::array<char32_t, 32> codes = [] {
    std::array<char32_t, 32> table{};
    for (std::size_t i = 0; i < table.size(); ++i)
      table[i] = CodeOf(Cp1252ToUtf8(std::string(1, static_cast<char>(0x80 + i))));
    return table;
  }();
  return codes;
}

// The code page's byte for a code point above ASCII, or 0 when it has none.
// The five bytes the code page leaves undefined stand for no character.
unsigned Cp1252Byte(char32_t code) {
  if (code >= 0xA0 && code <= 0xFF) return code;
  const std::array<char32_t, 32>& high = HighCodes();
  for (std::size_t i = 0; i < high.size(); ++i) {
    if (high[i] == code && code > 0xFF) return static_cast<unsigned>(0x80 + i);
  }
  return 0;
}

void AppendHexByte(std::string& rtf, unsigned byte) {
  static constexpr char kDigits[] = "0123456789abcdef";
  rtf += "\\'";
  rtf += kDigits[(byte >> 4) & 0xFu];
  rtf += kDigits[byte & 0xFu];
}

// \uN takes a signed 16-bit number; characters beyond take two, as UTF-16 does.
void AppendUnicode(std::string& rtf, char32_t code) {
  if (code > 0xFFFF) {
    code -= 0x10000;
    AppendUnicode(rtf, 0xD800 + (code >> 10));
    AppendUnicode(rtf, 0xDC00 + (code & 0x3FF));
    return;
  }
  const long value = code > 0x7FFF ? static_cast<long>(code) - 0x10000 : static_cast<long>(code);
  rtf += "\\u" + std::to_string(value) + "?";
}

bool NeedsEscape(char c) {
  const auto byte = static_cast<std::uint8_t>(c);
  return byte < 0x20 || byte >= 0x7F || c == '\\' || c == '{' || c == '}';
}

void AppendAsciiEscaped(std::string& rtf, char c) {
  switch (c) {
    case '\\': case '{': case '}': rtf += '\\'; rtf += c; break;
    case '\t': rtf += "\\tab "; break;
    case '\n': rtf += "\\line "; break;
    default: break;  // other controls show as nothing
  }
}

}  // namespace

void AppendRtfEscaped(std::string& rtf, std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t plain = i;
    while (plain < text.size() && !NeedsEscape(text[plain])) ++plain;
    rtf.append(text.substr(i, plain - i));
    if (plain == text.size()) break;
    const std::string_view character = FirstChars(text.substr(plain), 1);
    i = plain + character.size();
    const auto lead = static_cast<std::uint8_t>(character[0]);
    if (lead < 0x80) {
      AppendAsciiEscaped(rtf, character[0]);
    } else if (character.size() == 1) {
      AppendHexByte(rtf, lead);  // not UTF-8: read as the code page's byte
    } else if (const char32_t code = CodeOf(character); const unsigned byte = Cp1252Byte(code)) {
      AppendHexByte(rtf, byte);
    } else {
      AppendUnicode(rtf, code);
    }
  }
}
