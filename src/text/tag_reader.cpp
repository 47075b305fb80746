#include "text/tag_reader.h"

#include <string.h>  // memmem

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <utility>

#include "text/byte_words.h"
#include "text/number_text.h"
#include "text/tag_writer.h"
#include "text/utf8_text.h"

namespace {

// Position of the first byte of text[from, limit) that isMarked accepts, or
// limit. Markup has a '<' every few bytes, too often for a library call each:
// eight bytes are tested at a time by marks, which sets 0x80 in each byte that
// may be one (the lowest such byte is looked at with isMarked).
template <typename Marks, typename IsMarked>
std::size_t FirstMarked(std::string_view text, std::size_t from, std::size_t limit, Marks marks,
                        IsMarked isMarked) {
  std::size_t at = from;
  if constexpr (std::endian::native == std::endian::little) {
    for (; at + 8 <= limit; at += 8) {
      std::uint64_t flags = marks(LoadWord(text.data() + at));
      for (; flags != 0; flags &= flags - 1) {
        const std::size_t found = at + static_cast<std::size_t>(std::countr_zero(flags)) / 8;
        if (isMarked(found)) return found;
      }
    }
  }
  while (at < limit && !isMarked(at)) ++at;
  return at;
}

// Position of the first '<' in text[from, limit), or limit; with openingOnly,
// of the first one not followed by '/'.
std::size_t NextBracket(std::string_view text, std::size_t from, std::size_t limit,
                        bool openingOnly) {
  return FirstMarked(
      text, from, limit,
      [&](std::uint64_t word) {
        // A '/' in the next byte marks a closing tag; the last byte's next
        // byte lies beyond the word and is left to isMarked.
        const std::uint64_t brackets = BytesEqual(word, '<');
        return openingOnly ? brackets & ~(BytesEqual(word, '/') >> 8) : brackets;
      },
      [&](std::size_t at) {
        return text[at] == '<' && !(openingOnly && at + 1 < limit && text[at + 1] == '/');
      });
}

std::size_t NextOpenBracket(std::string_view text, std::size_t from, std::size_t limit) {
  return NextBracket(text, from, limit, false);
}

// Position of a tag (needle starts with '<') in text[from, limit), or npos.
// Most searches end within a record's few hundred bytes, where looking at
// each '<' is quickest; a longer one goes on with the library's search.
std::size_t Search(std::string_view text, std::string_view needle, std::size_t from,
                   std::size_t limit) {
  if (needle.empty() || from > limit || limit - from < needle.size())
    return std::string_view::npos;
  constexpr std::size_t kNear = 512;
  const std::size_t nearEnd = std::min(limit, from + kNear);
  for (std::size_t at = NextOpenBracket(text, from, nearEnd); at < nearEnd;
       at = NextOpenBracket(text, at + 1, nearEnd)) {
    if (needle.size() > limit - at) return std::string_view::npos;
    if (std::memcmp(text.data() + at, needle.data(), needle.size()) == 0) return at;
  }
  if (nearEnd == limit) return std::string_view::npos;
  // Resumes where the near part stopped looking for a '<'.
  const void* found =
      memmem(text.data() + nearEnd, limit - nearEnd, needle.data(), needle.size());
  return found ? static_cast<std::size_t>(static_cast<const char*>(found) - text.data())
               : std::string_view::npos;
}

constexpr std::size_t kMaxNumberBytes = 31;

// Tag names are a few letters: compared here rather than by a library call,
// up to 16 bytes by two loads from each that overlap.
bool SameName(std::string_view a, std::string_view b) {
  const std::size_t size = a.size();
  if (size != b.size()) return false;
  const char* const x = a.data();
  const char* const y = b.data();
  if (size > 16) return std::memcmp(x, y, size) == 0;
  if (size >= 8) return LoadWord(x) == LoadWord(y) && LoadWord(x + size - 8) == LoadWord(y + size - 8);
  if (size >= 4) {
    std::uint32_t x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    std::memcpy(&x0, x, 4);
    std::memcpy(&x1, x + size - 4, 4);
    std::memcpy(&y0, y, 4);
    std::memcpy(&y1, y + size - 4, 4);
    return x0 == y0 && x1 == y1;
  }
  return size == 0 || (x[0] == y[0] && x[size / 2] == y[size / 2] && x[size - 1] == y[size - 1]);
}

// The element whose opening tag "<name>" stands at openAt: found when its
// closing tag follows before the limit.
bool CloseElement(std::string_view name, std::string_view text, std::size_t openAt,
                  std::size_t limit, CTagElement* element) {
  const std::size_t contentStart = openAt + name.size() + 2;
  std::string close;
  close.reserve(name.size() + 3);
  close.append("</").append(name).append(">");
  const std::size_t closeAt = Search(text, close, contentStart, limit);
  if (closeAt == std::string_view::npos) return false;
  element->contentStart = contentStart;
  element->contentEnd = closeAt;
  element->text = text;
  return true;
}

}  // namespace

bool FindElement(std::string_view name, std::string_view text, std::size_t start,
                 std::size_t limit, CTagElement* element) {
  limit = std::min(limit, text.size());
  if (name.empty() || start >= limit) return false;
  std::string open;
  open.reserve(name.size() + 2);
  open.append("<").append(name).append(">");
  const std::size_t openAt = Search(text, open, start, limit);
  return openAt != std::string_view::npos && CloseElement(name, text, openAt, limit, element);
}

namespace {

// Whether "<name>" stands at the '<' before rest.
bool OpensAt(std::string_view rest, std::string_view name) {
  return !name.empty() && rest.size() > name.size() && rest[name.size()] == '>' &&
         rest.starts_with(name);
}

// The names' first letters, for a quick test before the names are compared.
struct FirstLetters {
  std::array<bool, 256> any{};
  TagLetters set;
  explicit FirstLetters(std::span<const std::string_view> names) {
    for (std::string_view name : names) {
      if (name.empty()) continue;
      any[static_cast<unsigned char>(name[0])] = true;
      set.Add(name[0]);
    }
  }
  bool Has(char letter) const { return any[static_cast<unsigned char>(letter)]; }
};

bool VisitElements(std::span<const std::string_view> names, std::string_view text,
                   std::size_t start, std::size_t limit,
                   const std::function<void(std::size_t kind, const TagIndex&)>& visit,
                   std::span<const std::string_view> others, std::span<const TextRange> unread) {
  constexpr std::size_t kMostKinds = 8;
  limit = std::min(limit, text.size());
  const std::size_t kinds = std::min(names.size(), kMostKinds);
  // Where each kind's next search starts; npos once the kind has ended.
  std::array<std::size_t, kMostKinds> from{};
  from.fill(start);
  // Only a '<' followed by the first letter of a kind can open one.
  const FirstLetters kindLetters(names.first(kinds));
  const FirstLetters otherLetters(others);
  const std::uint64_t otherBits = TagIndex::NameBits(others);
  // Cleared by any sign that one of the others may open in the range.
  bool noOther = true;
  const auto opensOther = [&](std::size_t at) {
    const std::string_view rest = text.substr(at + 1);
    for (std::string_view other : others) {
      if (OpensAt(rest, other)) return true;
    }
    return false;
  };
  std::size_t open = kinds;
  std::size_t nextUnread = 0;
  for (std::size_t at = start; open > 0; ++at) {
    at = NextBracket(text, at, limit, /*openingOnly=*/true);
    if (at >= limit) return noOther;
    while (nextUnread < unread.size() && unread[nextUnread].end <= at) ++nextUnread;
    if (nextUnread < unread.size() && unread[nextUnread].start <= at) {
      if (!others.empty()) noOther = false;
      at = unread[nextUnread].end - 1;
      continue;
    }
    // Tags of others are looked for in the whole text: one may begin just
    // before the limit.
    if (noOther && at + 1 < text.size() && otherLetters.Has(text[at + 1]) && opensOther(at))
      noOther = false;
    if (at + 1 >= limit) return noOther;
    if (!kindLetters.Has(text[at + 1])) continue;
    const std::string_view rest = text.substr(at + 1, limit - at - 1);
    std::size_t resumeAt = at;
    for (std::size_t kind = 0; kind < kinds; ++kind) {
      const std::string_view name = names[kind];
      if (from[kind] == std::string_view::npos || at < from[kind] || !OpensAt(rest, name))
        continue;
      const TagIndex content = TagIndex::OfElement(name, text, at, limit);
      if (!content.Closed()) {
        from[kind] = std::string_view::npos;
        --open;
        continue;
      }
      from[kind] = content.Element().contentEnd;
      visit(kind, content);
      // Content in which nothing can open an element is not looked at again,
      // provided the index tells that none of the others opens there either.
      if (!content.OpeningLetters().Meets(kindLetters.set) &&
          !(noOther && content.MayOpenAny(others, otherBits)))
        resumeAt = content.Element().contentEnd;
    }
    at = resumeAt;
  }
  // Every kind ended before the limit: the rest was not looked at.
  return others.empty();
}

}  // namespace

bool ForEachIndexedElement(std::span<const std::string_view> names, std::string_view text,
                           std::size_t start, std::size_t limit,
                           const std::function<void(std::size_t kind, const TagIndex&)>& visit,
                           std::span<const std::string_view> others,
                           std::span<const TextRange> unread) {
  return VisitElements(names, text, start, limit, visit, others, unread);
}

void ForEachElement(std::span<const std::string_view> names, std::string_view text,
                    std::size_t start, std::size_t limit,
                    const std::function<void(std::size_t kind, const CTagElement&)>& visit,
                    std::span<const TextRange> unread) {
  VisitElements(
      names, text, start, limit,
      [&](std::size_t kind, const TagIndex& content) { visit(kind, content.Element()); }, {},
      unread);
}

namespace {

bool NumberContent(const CTagElement& element, std::string_view* content) {
  *content = element.Content();
  return !content->empty() && content->size() <= kMaxNumberBytes;
}

bool IntegerOf(const CTagElement& element, std::int32_t* value) {
  std::string_view content;
  if (!NumberContent(element, &content)) return false;
  std::int32_t converted = 0;
  if (ScanInteger(content, &converted) == NumberScan::kOutOfRange) return false;
  *value = converted;
  return true;
}

bool TextOf(const CTagElement& element, std::string* destination, std::size_t maxChars) {
  const std::string_view content = element.Content();
  if (content.empty()) return false;
  // One character a byte, and nothing to unescape.
  if (IsAsciiWithout(content, '&', '&')) {
    destination->assign(content.substr(0, maxChars));
    return true;
  }
  std::string converted;
  const std::string_view text = TextFromFile(content, &converted);
  if (text.find('&') == std::string_view::npos) {
    destination->assign(FirstChars(text, maxChars));
  } else {
    destination->assign(FirstChars(UnescapeMarkupText(text), maxChars));
  }
  return true;
}

}  // namespace

// No digits reads as 0, as the C conversion gives. A number too large for its
// type, or one that is not finite, is no value any version writes: not found.
// Nor is one no amount can be ("1e88" fits the element, but written back in
// full it would not, and the value would be lost).
bool RealOf(const CTagElement& element, double* value) {
  std::string_view content;
  if (!NumberContent(element, &content)) return false;
  double converted = 0;
  if (ScanReal(content, &converted) == NumberScan::kOutOfRange) return false;
  if (!FitsNumberElement(converted)) return false;
  *value = converted;
  return true;
}

bool ReadReal(std::string_view name, std::string_view text, std::size_t start, std::size_t limit,
              double* value) {
  CTagElement element;
  return FindElement(name, text, start, limit, &element) && RealOf(element, value);
}

bool ReadInteger(std::string_view name, std::string_view text, std::size_t start,
                 std::size_t limit, std::int32_t* value) {
  CTagElement element;
  return FindElement(name, text, start, limit, &element) && IntegerOf(element, value);
}

bool ReadText(std::string_view name, std::string* destination, std::size_t maxChars,
              std::string_view text, std::size_t start, std::size_t limit) {
  CTagElement element;
  return FindElement(name, text, start, limit, &element) &&
         TextOf(element, destination, maxChars);
}

TagIndex::TagIndex(std::string_view text, std::size_t start, std::size_t limit)
    : text_(text), start_(start), limit_(std::min(limit, text.size())) {
  Scan({});
}

TagIndex TagIndex::OfElement(std::string_view name, std::string_view text, std::size_t openAt,
                             std::size_t limit) {
  TagIndex index(text, openAt + name.size() + 2, limit, name);
  return index;
}

TagIndex::TagIndex(std::string_view text, std::size_t start, std::size_t limit,
                   std::string_view closingName)
    : text_(text), start_(start), limit_(std::min(limit, text.size())), closed_(false) {
  Scan(closingName);
}

void TagIndex::Scan(std::string_view closingName) {
  static_assert(('<' | 2) == '>' && ('>' | 2) == '>');
  // "<NAME>" or "</NAME>" ends at each '>' whose last '<' or '>' before it is a
  // '<'. The first closing tag after a name's first opening one is the one a
  // search for it would find; so is the first closing tag of the element whose
  // content this is.
  std::size_t openAt = std::string_view::npos;  // a '<' with no '<' or '>' after it yet
  // The name opened by the last tag, while only its closing tag can come next
  // to be noted: most content holds no tag, and "</NAME>" is then taken at its
  // '<' without a lookup (as NoteTag would take it, the index's own closing name
  // excepted).
  FirstTag* opened = nullptr;
  FirstMarked(
      text_, start_, limit_,
      // '<' and '>' differ in one bit only: with it set, both read as '>'.
      [](std::uint64_t word) { return BytesEqual(word | (kEveryByteOne * 2), '>'); },
      [&](std::size_t at) {
        if (text_[at] == '<') {
          if (opened != nullptr && ClosesAt(*opened, at)) {
            if (opened->closeAt == std::string_view::npos) opened->closeAt = at;
            openAt = std::string_view::npos;  // its '>' ends nothing more
          } else {
            openAt = at;
          }
          opened = nullptr;
          return false;
        }
        if (text_[at] != '>' || openAt == std::string_view::npos) return false;
        return NoteTag(std::exchange(openAt, std::string_view::npos), at, closingName, &opened);
      });
}

bool TagIndex::ClosesAt(const FirstTag& tag, std::size_t at) const {
  const std::size_t end = at + 2 + tag.nameSize;
  return end < limit_ && text_[end] == '>' && text_[at + 1] == '/' &&
         SameName(std::string_view(text_.data() + at + 2, tag.nameSize), tag.Name());
}

bool TagIndex::NoteTag(std::size_t openAt, std::size_t endAt, std::string_view closingName,
                       FirstTag** opened) {
  const char* const afterBracket = text_.data() + openAt + 1;
  const std::size_t size = endAt - openAt - 1;
  if (size > 1 && *afterBracket == '/') {
    const std::string_view name(afterBracket + 1, size - 1);
    if (!closingName.empty() && SameName(name, closingName)) {
      limit_ = openAt;
      closed_ = true;
      return true;
    }
    if (!complete_) return false;  // only the closing tag is still looked for
    FirstTag* const known = Known(name, NameBit(name));
    if (known != nullptr && known->closeAt == std::string_view::npos) known->closeAt = openAt;
    return false;
  }
  // "<>" and "</>" name nothing.
  if (size == 0 || *afterBracket == '/') return false;
  const std::string_view name(afterBracket, size);
  openLetters_.Add(name[0]);
  if (!complete_) return false;
  const std::uint64_t bit = NameBit(name);
  FirstTag* known = Known(name, bit);
  if (known == nullptr) {
    if (count_ == first_.size()) {
      complete_ = false;
      return closingName.empty();
    }
    known = &first_[count_++];
    *known = {name.data(), name.size(), openAt, std::string_view::npos};
    names_ |= bit;
  }
  if (!SameName(name, closingName)) *opened = known;
  return false;
}

std::uint64_t TagIndex::NameBits(std::span<const std::string_view> names) {
  std::uint64_t bits = 0;
  for (std::string_view name : names) {
    if (!name.empty()) bits |= NameBit(name);
  }
  return bits;
}

bool TagIndex::MayOpenAny(std::span<const std::string_view> names, std::uint64_t bits) const {
  if (names.empty()) return false;
  if (!complete_) return true;
  if ((names_ & bits) == 0) return false;
  for (std::string_view name : names) {
    for (std::size_t i = 0; i < count_ && !name.empty(); ++i) {
      if (SameName(first_[i].Name(), name)) return true;
    }
  }
  return false;
}

TagIndex::FirstTag* TagIndex::Known(std::string_view name, std::uint64_t bit) {
  if ((names_ & bit) == 0) return nullptr;
  // Newest first: a closing tag mostly follows its opening one.
  for (std::size_t i = count_; i-- > 0;) {
    if (SameName(first_[i].Name(), name)) return &first_[i];
  }
  return nullptr;
}

bool TagIndex::FindElement(std::string_view name, CTagElement* element) const {
  if (!name.empty() && (names_ & NameBit(name)) == 0) {
    return !complete_ && ::FindElement(name, text_, start_, limit_, element);
  }
  for (std::size_t i = 0; i < count_; ++i) {
    const FirstTag& tag = first_[i];
    if (!SameName(tag.Name(), name)) continue;
    // A pass cut short may not have reached the closing tag.
    if (tag.closeAt == std::string_view::npos)
      return !complete_ && CloseElement(name, text_, tag.at, limit_, element);
    element->contentStart = tag.at + name.size() + 2;
    element->contentEnd = tag.closeAt;
    element->text = text_;
    return true;
  }
  // A name beyond those kept may still stand in the record.
  return !complete_ && ::FindElement(name, text_, start_, limit_, element);
}

bool TagIndex::ReadReal(std::string_view name, double* value) const {
  CTagElement element;
  return FindElement(name, &element) && RealOf(element, value);
}

bool TagIndex::ReadInteger(std::string_view name, std::int32_t* value) const {
  CTagElement element;
  return FindElement(name, &element) && IntegerOf(element, value);
}

bool TagIndex::ReadText(std::string_view name, std::string* destination,
                        std::size_t maxChars) const {
  CTagElement element;
  return FindElement(name, &element) && TextOf(element, destination, maxChars);
}
