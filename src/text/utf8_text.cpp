#include "text/utf8_text.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace {

// Length of the valid UTF-8 sequence starting at text[i], or 0 when none starts
// there; *code receives its code point.
std::size_t DecodeSequence(std::string_view text, std::size_t i, std::uint32_t* code) {
  const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
  const std::uint8_t lead = byte(i);
  *code = lead;
  if (lead < 0x80) return 1;
  std::size_t length;
  std::uint32_t min;
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    min = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    min = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    min = 0x10000;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  std::uint32_t value = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    value = (value << 6) | (byte(i + k) & 0x3F);
  }
  if (value < min || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  *code = value;
  return length;
}

std::size_t SequenceLength(std::string_view text, std::size_t i) {
  std::uint32_t code = 0;
  return DecodeSequence(text, i, &code);
}

// Code points of bytes 0x80 to 0x9F; the five the code page leaves undefined map
// to the C1 controls of the same value, so every byte converts.
constexpr std::array<std::uint16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The code page's byte for a code point, or nothing.
std::optional<char> Cp1252Byte(std::uint32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
  for (std::size_t i = 0; i < kCp1252High.size(); ++i) {
    if (kCp1252High[i] == code) return static_cast<char>(0x80 + i);
  }
  return std::nullopt;
}

// Where the run of ASCII bytes from text[i] ends; documents are mostly ASCII,
// so it is skipped eight bytes at a time.
std::size_t AsciiRunEnd(std::string_view text, std::size_t i) {
  for (; i + 8 <= text.size(); i += 8) {
    if ((LoadWord(text.data() + i) & kEveryByteHigh) != 0) break;
  }
  while (i < text.size() && static_cast<std::uint8_t>(text[i]) < 0x80) ++i;
  return i;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    i = AsciiRunEnd(bytes, i);
    if (i == bytes.size()) break;
    const std::size_t length = SequenceLength(bytes, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (char c : bytes) {
    const auto b = static_cast<std::uint8_t>(c);
    if (b < 0x80) {
      out += c;
    } else if (b < 0xA0) {
      AppendUtf8(out, kCp1252High[b - 0x80]);
    } else {
      AppendUtf8(out, b);
    }
  }
  return out;
}

std::size_t CountChars(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++count) {
    const std::size_t length = SequenceLength(text, i);
    i += length == 0 ? 1 : length;
  }
  return count;
}

std::string_view FirstChars(std::string_view text, std::size_t maxChars) {
  // Every character takes at least one byte.
  if (text.size() <= maxChars) return text;
  std::size_t i = 0;
  for (std::size_t count = 0; i < text.size() && count < maxChars; ++count) {
    const std::size_t length = SequenceLength(text, i);
    i += length == 0 ? 1 : length;
  }
  return text.substr(0, i);
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

std::optional<std::string> Utf8ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t ascii = AsciiRunEnd(text, i);
    out.append(text.substr(i, ascii - i));
    i = ascii;
    if (i == text.size()) break;
    std::uint32_t code = 0;
    const std::size_t length = DecodeSequence(text, i, &code);
    const std::optional<char> byte = length == 0 ? std::nullopt : Cp1252Byte(code);
    if (!byte) return std::nullopt;
    out += *byte;
    i += length;
  }
  return out;
}

std::string_view TextFromFile(std::string_view bytes, std::string* converted) {
  if (IsValidUtf8(bytes)) return bytes;
  *converted = Cp1252ToUtf8(bytes);
  return *converted;
}

bool IsAscii(std::string_view text) { return AsciiRunEnd(text, 0) == text.size(); }

bool ReadsBackInWindows1252(std::string_view text) {
  if (IsAscii(text)) return true;
  const std::optional<std::string> bytes = Utf8ToCp1252(text);
  return bytes && !IsValidUtf8(*bytes);
}
