#pragma once
// Element lookup by plain search for "<NAME>" and the first "</NAME>" after it,
// within [start, limit) of a text. No nesting, attributes or entities.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
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
// One record's elements, found in one pass over its range; lookups give the same
// answers as FindElement and the readers below over that range. A record is read
// with many lookups, and markup is dense with '<', so one pass beats many.
class TagIndex {
 public:
  TagIndex(std::string_view text, std::size_t start, std::size_t limit);
  bool FindElement(std::string_view name, CTagElement* element) const;
  bool ReadReal(std::string_view name, double* value) const;
  bool ReadInteger(std::string_view name, std::int32_t* value) const;
  bool ReadText(std::string_view name, std::string* destination, std::size_t maxChars) const;

 private:
  // A name's first opening tag and the first closing tag after it.
  // Plain fields, so that the table costs nothing to set up.
  struct FirstTag {
    const char* name;
    std::size_t nameSize;
    std::size_t at;
    std::size_t closeAt;  // npos: none before the limit
    std::string_view Name() const { return {name, nameSize}; }
  };
  FirstTag* Known(std::string_view name);

  std::string_view text_;
  std::size_t start_;
  std::size_t limit_;
  // Left unset beyond count_: a record is read with one index each.
  std::array<FirstTag, 32> first_;
  std::size_t count_ = 0;
  bool complete_ = true;  // false when the record has more names than are kept
};

// Visits every element of the named kinds in the range, exactly as if each kind
// were looked up again and again, each search starting at the content end of the
// element of that kind just found, and a kind ending at its first element that
// has no closing tag. One pass over the range serves all kinds; the visits come
// in the order of the opening tags. At most 8 kinds.
void ForEachElement(std::span<const std::string_view> names, std::string_view text,
                    std::size_t start, std::size_t limit,
                    const std::function<void(std::size_t kind, const CTagElement&)>& visit);

// Number elements count only when their content is 1 to 31 bytes long.
bool ReadReal(std::string_view name, std::string_view text, std::size_t start, std::size_t limit,
              double* value);
bool ReadInteger(std::string_view name, std::string_view text, std::size_t start,
                 std::size_t limit, std::int32_t* value);
// An empty element counts as missing. The destination receives at most maxChars
// characters of the content, with an escaped tag read back (EscapeMarkupText).
bool ReadText(std::string_view name, std::string* destination, std::size_t maxChars,
              std::string_view text, std::size_t start, std::size_t limit);
