#pragma once
// One-line elements: indent, "<NAME>", value, "</NAME>", "\r\n".

#include <cstdint>
#include <string>
#include <string_view>

#include "text/tag_buffer.h"

// A text cannot carry "<" into the markup: it would end its element early or pose
// as another one. It is written as "&lt;", and an "&" that would read back as an
// escape as "&amp;"; every other text is written unchanged.
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
