#pragma once
// One-line elements: indent, "<NAME>", value, "</NAME>", "\r\n".

#include <cstdint>
#include <string>
#include <string_view>

#include "text/tag_buffer.h"

// A text is written as it stands unless it holds a tag ("<NAME>", "</NAME>"),
// which would end its element early or pose as another one: that '<' is written
// as "&lt;" (an "&lt;" before a name as "&amp;lt;", and so on). Other versions
// never escape: what they wrote reads back as it stands, "&amp;" included, and
// writes back byte for byte.
std::string EscapeMarkupText(std::string_view text);
std::string UnescapeMarkupText(std::string_view text);

void AppendOpenTag(CTagBuffer& buffer, std::string_view name);   // "<NAME>\r\n"
void AppendCloseTag(CTagBuffer& buffer, std::string_view name);  // "</NAME>\r\n"
void AppendTextElement(CTagBuffer& buffer, std::string_view indent, std::string_view name,
                       std::string_view text);
void AppendRealElement(CTagBuffer& buffer, std::string_view indent, std::string_view name,
                       double value, int decimals);
void AppendIntElement(CTagBuffer& buffer, std::string_view indent, std::string_view name,
                      std::int64_t value);
