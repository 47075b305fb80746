#include "text/tag_writer.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "text/number_text.h"
#include "text/utf8_text.h"

namespace {

// The markup's tags are "<NAME>" and "</NAME>" with NAME in upper-case letters;
// a text only breaks the file where it holds one. Such a '<' is written as
// "&lt;". An "&lt;" that already stands before a name gains one "amp;" (and
// "&amp;lt;" another), so each reads back as it was; nothing else is escaped.
constexpr std::string_view kAmp = "amp;";
constexpr std::string_view kLt = "lt;";

// Whether text[i..] completes a tag after its '<': "NAME>" or "/NAME>".
bool IsTagRest(std::string_view text, std::size_t i) {
  if (i < text.size() && text[i] == '/') ++i;
  const std::size_t name = i;
  while (i < text.size() && text[i] >= 'A' && text[i] <= 'Z') ++i;
  return i > name && i < text.size() && text[i] == '>';
}

// At an '&': the number of "amp;" in an "&(amp;)*lt;" that stands before a tag's
// rest, and the escape's length; false when none starts there.
bool EscapedTagAt(std::string_view text, std::size_t at, std::size_t* amps, std::size_t* length) {
  std::size_t i = at + 1;
  *amps = 0;
  while (text.substr(i).starts_with(kAmp)) {
    i += kAmp.size();
    ++*amps;
  }
  if (!text.substr(i).starts_with(kLt) || !IsTagRest(text, i + kLt.size())) return false;
  *length = i + kLt.size() - at;
  return true;
}

// Text is UTF-8 inside; one that is not (bytes a script typed) is written as
// reading takes it, Windows-1252. Notes a text the code page cannot carry.
std::string_view FileText(CTagBuffer& buffer, std::string_view text, std::string* utf8) {
  if (IsAscii(text)) return text;
  text = TextFromFile(text, utf8);
  buffer.NoteNonAsciiText(ReadsBackInWindows1252(text));
  return text;
}

// Copies a piece, a short one without a library call: two copies of a fixed
// size that overlap cover every length up to twice that size.
char* CopyPiece(char* out, std::string_view piece) {
  const char* const in = piece.data();
  const std::size_t size = piece.size();
  const auto overlapping = [&](auto block) {
    constexpr std::size_t kBlock = sizeof block;
    std::memcpy(&block, in, kBlock);
    std::memcpy(out, &block, kBlock);
    std::memcpy(&block, in + size - kBlock, kBlock);
    std::memcpy(out + size - kBlock, &block, kBlock);
  };
  if (size > 32) {
    std::memcpy(out, in, size);
  } else if (size > 16) {
    overlapping(std::array<char, 16>{});
  } else if (size >= 8) {
    overlapping(std::uint64_t{});
  } else if (size >= 4) {
    overlapping(std::uint32_t{});
  } else if (size > 0) {
    out[0] = in[0];
    out[size / 2] = in[size / 2];
    out[size - 1] = in[size - 1];
  }
  return out + size;
}

// A document has hundreds of thousands of elements: a short one is laid out
// on the stack and goes into the buffer at once, a long one piece by piece.
void AppendElement(CTagBuffer& buffer, std::string_view indent, std::string_view name,
                   std::string_view value) {
  std::array<char, 256> line;
  if (indent.size() + 2 * name.size() + value.size() + 7 <= line.size()) {
    char* at = CopyPiece(line.data(), indent);
    *at++ = '<';
    at = CopyPiece(at, name);
    *at++ = '>';
    at = CopyPiece(at, value);
    *at++ = '<';
    *at++ = '/';
    at = CopyPiece(at, name);
    at = CopyPiece(at, ">\r\n");
    buffer.Append(std::string_view(line.data(), static_cast<std::size_t>(at - line.data())));
    return;
  }
  buffer.Append(indent);
  buffer.Append("<");
  buffer.Append(name);
  buffer.Append(">");
  buffer.Append(value);
  buffer.Append("</");
  buffer.Append(name);
  buffer.Append(">\r\n");
}

// "<NAME>\r\n" or "</NAME>\r\n", in one piece.
void AppendTagLine(CTagBuffer& buffer, std::string_view opening, std::string_view name) {
  std::array<char, 64> line;
  if (opening.size() + name.size() + 3 > line.size()) {
    buffer.Append(opening);
    buffer.Append(name);
    buffer.Append(">\r\n");
    return;
  }
  char* at = CopyPiece(line.data(), opening);
  at = CopyPiece(at, name);
  at = CopyPiece(at, ">\r\n");
  buffer.Append(std::string_view(line.data(), static_cast<std::size_t>(at - line.data())));
}

}  // namespace

std::string EscapeMarkupText(std::string_view text) {
  if (text.find_first_of("<&") == std::string_view::npos) return std::string(text);
  std::string out;
  out.reserve(text.size() + 8);
  for (std::size_t i = 0; i < text.size();) {
    std::size_t amps = 0, length = 0;
    if (text[i] == '<' && IsTagRest(text, i + 1)) {
      out.append("&").append(kLt);
      ++i;
    } else if (text[i] == '&' && EscapedTagAt(text, i, &amps, &length)) {
      out.append("&").append(kAmp).append(text.substr(i + 1, length - 1));
      i += length;
    } else {
      out += text[i++];
    }
  }
  return out;
}

std::string UnescapeMarkupText(std::string_view text) {
  if (text.find('&') == std::string_view::npos) return std::string(text);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    std::size_t amps = 0, length = 0;
    if (text[i] != '&' || !EscapedTagAt(text, i, &amps, &length)) {
      out += text[i++];
    } else if (amps == 0) {
      out += '<';
      i += length;
    } else {
      out += '&';
      out.append(text.substr(i + 1 + kAmp.size(), length - 1 - kAmp.size()));
      i += length;
    }
  }
  return out;
}

void AppendOpenTag(CTagBuffer& buffer, std::string_view name) {
  AppendTagLine(buffer, "<", name);
}

void AppendCloseTag(CTagBuffer& buffer, std::string_view name) {
  AppendTagLine(buffer, "</", name);
}

void AppendTextElement(CTagBuffer& buffer, std::string_view indent, std::string_view name,
                       std::string_view text) {
  if (IsAsciiWithout(text, '<', '&')) {
    AppendElement(buffer, indent, name, text);
    return;
  }
  std::string utf8;
  text = FileText(buffer, text, &utf8);
  if (text.find_first_of("<&") == std::string_view::npos) {
    AppendElement(buffer, indent, name, text);
  } else {
    AppendElement(buffer, indent, name, EscapeMarkupText(text));
  }
}

void AppendRealElement(CTagBuffer& buffer, std::string_view indent, std::string_view name,
                       double value, int decimals) {
  std::array<char, kFixedChars> number;
  const std::size_t length = FormatFixedTo(number, value, decimals);
  AppendElement(buffer, indent, name, std::string_view(number.data(), length));
}

void AppendIntElement(CTagBuffer& buffer, std::string_view indent, std::string_view name,
                      std::int64_t value) {
  AppendElement(buffer, indent, name, FormatInt(value));
}
