#include "document/tag_writer.h"

#include "document/number_text.h"

namespace {

constexpr std::string_view kLt = "&lt;";
constexpr std::string_view kAmp = "&amp;";

bool StartsEscape(std::string_view text, std::size_t i) {
  const std::string_view rest = text.substr(i);
  return rest.starts_with(kLt) || rest.starts_with(kAmp);
}

void AppendElement(CTagBuffer& buffer, std::string_view indent, std::string_view name,
                   std::string_view value) {
  std::string line;
  line.reserve(indent.size() + 2 * name.size() + value.size() + 7);
  line.append(indent).append("<").append(name).append(">").append(value);
  line.append("</").append(name).append(">\r\n");
  buffer.Append(line);
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
  std::string line;
  line.append("<").append(name).append(">\r\n");
  buffer.Append(line);
}

void AppendCloseTag(CTagBuffer& buffer, std::string_view name) {
  std::string line;
  line.append("</").append(name).append(">\r\n");
  buffer.Append(line);
}

void AppendTextElement(CTagBuffer& buffer, std::string_view indent, std::string_view name,
                       std::string_view text) {
  AppendElement(buffer, indent, name, EscapeMarkupText(text));
}

void AppendRealElement(CTagBuffer& buffer, std::string_view indent, std::string_view name,
                       double value, int decimals) {
  AppendElement(buffer, indent, name, FormatFixed(value, decimals));
}

void AppendIntElement(CTagBuffer& buffer, std::string_view indent, std::string_view name,
                      std::int64_t value) {
  AppendElement(buffer, indent, name, FormatInt(value));
}
