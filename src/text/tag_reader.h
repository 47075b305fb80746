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
// A set of first letters of tag names.
struct TagLetters {
  std::array<std::uint64_t, 4> bits{};
  void Add(char letter) {
    const auto byte = static_cast<unsigned char>(letter);
    bits[byte / 64] |= std::uint64_t{1} << (byte % 64);
  }
  bool Meets(const TagLetters& other) const {
    for (std::size_t i = 0; i < bits.size(); ++i) {
      if ((bits[i] & other.bits[i]) != 0) return true;
    }
    return false;
  }
};

// One record's elements, found in one pass over its range; lookups give the same
// answers as FindElement and the readers below over that range. A record is read
// with many lookups, and markup is dense with '<', so one pass beats many.
class TagIndex {
 public:
  TagIndex(std::string_view text, std::size_t start, std::size_t limit);
  // The content of the element whose opening tag "<name>" stands at openAt,
  // up to the first "</name>" before the limit, indexed in the same pass that
  // finds that closing tag. Closed() is false when there is none.
  static TagIndex OfElement(std::string_view name, std::string_view text, std::size_t openAt,
                            std::size_t limit);
  bool Closed() const { return closed_; }
  // The element as FindElement gives it; valid when Closed().
  CTagElement Element() const { return {start_, limit_, text_}; }
  // The first letters of the opening tags inside.
  const TagLetters& OpeningLetters() const { return openLetters_; }
  // False only when the index knows every name opened inside and none of these;
  // bits: their NameBits.
  bool MayOpenAny(std::span<const std::string_view> names, std::uint64_t bits) const;
  static std::uint64_t NameBits(std::span<const std::string_view> names);

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
  TagIndex(std::string_view text, std::size_t start, std::size_t limit,
           std::string_view closingName);
  // Indexes [start_, limit_); with a closing name, stops at its first
  // closing tag, which becomes the limit.
  void Scan(std::string_view closingName);
  // Notes the tag text_[openAt, endAt]; true when the scan ends there. An
  // opening tag kept in the index is handed back in *opened.
  bool NoteTag(std::size_t openAt, std::size_t endAt, std::string_view closingName,
               FirstTag** opened);
  // Whether the tag's closing tag begins at the '<' at `at`.
  bool ClosesAt(const FirstTag& tag, std::size_t at) const;
  // bit: the name's NameBit.
  FirstTag* Known(std::string_view name, std::uint64_t bit);
  // One bit per name kept, by a hash of its length and end letters: most
  // names looked for and not there are turned away without a comparison.
  static std::uint64_t NameBit(std::string_view name) {
    const auto first = static_cast<unsigned char>(name.front());
    const auto last = static_cast<unsigned char>(name.back());
    return std::uint64_t{1} << ((name.size() * 7 + first + 3 * last) & 63);
  }

  std::string_view text_;
  std::size_t start_;
  std::size_t limit_;
  // Left unset beyond count_: a record is read with one index each.
  std::array<FirstTag, 32> first_;
  std::size_t count_ = 0;
  std::uint64_t names_ = 0;  // NameBit of every name kept
  bool complete_ = true;  // false when the record has more names than are kept
  bool closed_ = true;
  TagLetters openLetters_;
};

// A part [start, end) of a text.
struct TextRange {
  std::size_t start = 0;
  std::size_t end = 0;
};

// Visits every element of the named kinds in the range, exactly as if each kind
// were looked up again and again, each search starting at the content end of the
// element of that kind just found, and a kind ending at its first element that
// has no closing tag. One pass over the range serves all kinds; the visits come
// in the order of the opening tags. At most 8 kinds.
// The pass does not look inside `unread`: sorted, disjoint ranges known to hold
// no opening tag of the kinds (see the next function).
void ForEachElement(std::span<const std::string_view> names, std::string_view text,
                    std::size_t start, std::size_t limit,
                    const std::function<void(std::size_t kind, const CTagElement&)>& visit,
                    std::span<const TextRange> unread = {});
// The same, handing each element as the index of its content. With `others`
// (names not starting with '/'), it also tells whether it saw in passing that
// no opening tag "<NAME>" of those begins in the range: a later pass for them
// may then leave the range unread. Always true without others.
bool ForEachIndexedElement(std::span<const std::string_view> names, std::string_view text,
                           std::size_t start, std::size_t limit,
                           const std::function<void(std::size_t kind, const TagIndex&)>& visit,
                           std::span<const std::string_view> others = {},
                           std::span<const TextRange> unread = {});

// Number elements count only when their content is 1 to 31 bytes long.
// A found element's content as ReadReal reads it.
bool RealOf(const CTagElement& element, double* value);
bool ReadReal(std::string_view name, std::string_view text, std::size_t start, std::size_t limit,
              double* value);
bool ReadInteger(std::string_view name, std::string_view text, std::size_t start,
                 std::size_t limit, std::int32_t* value);
// An empty element counts as missing. The destination receives at most maxChars
// characters of the content, with an escaped tag read back (EscapeMarkupText).
bool ReadText(std::string_view name, std::string* destination, std::size_t maxChars,
              std::string_view text, std::size_t start, std::size_t limit);
