#pragma once
// Element lookup by plain search for "<NAME>" and the first "</NAME>" after it,
// within [start, limit) of a text. No nesting, attributes or entities.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

struct CTagElement {
  std::size_t contentStart = 0;  // first byte after the opening tag
  std::size_t contentEnd = 0;    // first byte of the closing tag
  std::string_view text;         // the text searched
  std::string_view Content() const { return text.substr(contentStart, contentEnd - contentStart); }
};

bool FindElement(std::string_view name, std::string_view text, std::size_t start,
                 std::size_t limit, CTagElement* element);
// Number elements count only when their content is 1 to 31 bytes long.
bool ReadReal(std::string_view name, std::string_view text, std::size_t start, std::size_t limit,
              double* value);
bool ReadInteger(std::string_view name, std::string_view text, std::size_t start,
                 std::size_t limit, std::int32_t* value);
// An empty element counts as missing. The destination receives at most maxChars
// characters of the content, with the markup's "&lt;" and "&amp;" decoded.
bool ReadText(std::string_view name, std::string* destination, std::size_t maxChars,
              std::string_view text, std::size_t start, std::size_t limit);
