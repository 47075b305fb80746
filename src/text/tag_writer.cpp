#include "text/tag_writer.h"

#include "text/number_text.h"

namespace {

constexpr std::string_view kLt = "&lt;";
constexpr std::string_view kAmp = "&amp;";

bool StartsEscape(std::string_view text, std::size_t i) {
  const std::string_view rest = text.substr(i);
  return rest.starts_with(kLt) || rest.starts_with(kAmp);
}

// Pieces go straight into the buffer: a document has hundreds of thousands of
// elements, and a line formatted apart first would cost an allocation each.
void AppendElement(CTagBuffer& buffer, std::string_view indent, std::string_view name,
                   std::string_view value) {
  buffer.Append(indent);
  buffer.Append("<");
  buffer.Append(name);
  buffer.Append(">");
  buffer.Append(value);
  buffer.Append("</");
  buffer.Append(name);
  buffer.Append(">\r\n");
}

}  // namespace

std::string EscapeMarkupText(std::string_view text) {
  if (text.find_first_of("<&") == std::string_view::npos) return std::string(text);
  std::string out;
  out.reserve(text.size() + 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '<') {
      out.append(kLt);
    } else if (text[i] == '&' && StartsEscape(text, i)) {
      out.append(kAmp);
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string UnescapeMarkupText(std::string_view text) {
  if (text.find('&') == std::string_view::npos) return std::string(text);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::string_view rest = text.substr(i);
    if (rest.starts_with(kLt)) {
      out += '<';
      i += kLt.size();
    } else if (rest.starts_with(kAmp)) {
      out += '&';
      i += kAmp.size();
    } else {
      out += text[i++];
    }
  }
  return out;
}

void AppendOpenTag(CTagBuffer& buffer, std::string_view name) {
  buffer.Append("<");
  buffer.Append(name);
  buffer.Append(">\r\n");
}

void AppendCloseTag(CTagBuffer& buffer, std::string_view name) {
  buffer.Append("</");
  buffer.Append(name);
  buffer.Append(">\r\n");
}

void AppendTextElement(CTagBuffer& buffer, std::string_view indent, std::string_view name,
                       std::string_view text) {
  if (text.find_first_of("<&") == std::string_view::npos) {
    AppendElement(buffer, indent, name, text);
  } else {
    AppendElement(buffer, indent, name, EscapeMarkupText(text));
  }
}

void AppendRealElement(CTagBuffer& buffer, std::string_view indent, std::string_view name,
                       double value, int decimals) {
  AppendElement(buffer, indent, name, FormatFixed(value, decimals));
}

void AppendIntElement(CTagBuffer& buffer, std::string_view indent, std::string_view name,
                      std::int64_t value) {
  AppendElement(buffer, indent, name, FormatInt(value));
}
