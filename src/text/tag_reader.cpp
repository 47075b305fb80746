#include "text/tag_reader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <string>

#include "text/number_parse.h"
#include "text/number_text.h"
#include "text/tag_writer.h"
#include "text/utf8_text.h"

namespace {

// Position of needle in text[from, limit), or npos, by looking at each byte that
// could start it. Markup is dense with '<', so this is quick only over short
// distances.
std::size_t SearchNear(std::string_view text, std::string_view needle, std::size_t from,
                       std::size_t limit) {
  const char* const base = text.data();
  const char* const end = base + limit;
  for (const char* at = base + from;;) {
    const std::size_t left = static_cast<std::size_t>(end - at);
    if (left < needle.size()) return std::string_view::npos;
    const void* found = std::memchr(at, needle[0], left - needle.size() + 1);
    if (!found) return std::string_view::npos;
    at = static_cast<const char*>(found);
    if (std::memcmp(at, needle.data(), needle.size()) == 0)
      return static_cast<std::size_t>(at - base);
    ++at;
  }
}

// Most lookups hit within a record's few hundred bytes; a lookup that has to
// cross a budget or the whole document goes on with a skip search.
std::size_t Search(std::string_view text, std::string_view needle, std::size_t from,
                   std::size_t limit) {
  if (needle.empty() || from > limit || limit - from < needle.size())
    return std::string_view::npos;
  constexpr std::size_t kNear = 2048;
  if (limit - from <= kNear) return SearchNear(text, needle, from, limit);
  const std::size_t nearLimit = from + kNear;
  const std::size_t hit = SearchNear(text, needle, from, nearLimit);
  if (hit != std::string_view::npos) return hit;
  const auto first = text.begin() + static_cast<std::ptrdiff_t>(nearLimit - needle.size() + 1);
  const auto last = text.begin() + static_cast<std::ptrdiff_t>(limit);
  const auto far =
      std::search(first, last, std::boyer_moore_horspool_searcher(needle.begin(), needle.end()));
  return far == last ? std::string_view::npos : static_cast<std::size_t>(far - text.begin());
}

constexpr std::size_t kMaxNumberBytes = 31;

}  // namespace

namespace {

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

void ForEachElement(std::span<const std::string_view> names, std::string_view text,
                    std::size_t start, std::size_t limit,
                    const std::function<void(std::size_t kind, const CTagElement&)>& visit) {
  constexpr std::size_t kMostKinds = 8;
  limit = std::min(limit, text.size());
  const std::size_t kinds = std::min(names.size(), kMostKinds);
  // Where each kind's next search starts; npos once the kind has ended.
  std::array<std::size_t, kMostKinds> from{};
  from.fill(start);
  std::size_t open = kinds;
  for (std::size_t at = start; open > 0 && at < limit; ++at) {
    const void* next = std::memchr(text.data() + at, '<', limit - at);
    if (!next) return;
    at = static_cast<std::size_t>(static_cast<const char*>(next) - text.data());
    const std::string_view rest = text.substr(at + 1, limit - at - 1);
    for (std::size_t kind = 0; kind < kinds; ++kind) {
      const std::string_view name = names[kind];
      if (from[kind] == std::string_view::npos || at < from[kind] || name.empty() ||
          rest.size() <= name.size() || rest[name.size()] != '>' || !rest.starts_with(name))
        continue;
      CTagElement element;
      if (!FindElement(name, text, at, limit, &element)) {
        from[kind] = std::string_view::npos;
        --open;
        continue;
      }
      from[kind] = element.contentEnd;
      visit(kind, element);
    }
  }
}

namespace {

bool NumberContent(const CTagElement& element, std::string_view* content) {
  *content = element.Content();
  return !content->empty() && content->size() <= kMaxNumberBytes;
}

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
  // "<NAME>" stands at i exactly when the first '<' or '>' after i is a '>'.
  for (std::size_t i = start_; i < limit_;) {
    const void* open = std::memchr(text_.data() + i, '<', limit_ - i);
    if (!open) break;
    const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(open) - text_.data());
    std::size_t j = at + 1;
    while (j < limit_ && text_[j] != '>' && text_[j] != '<') ++j;
    if (j >= limit_) break;
    if (text_[j] == '<') {
      i = j;
      continue;
    }
    const std::string_view name = text_.substr(at + 1, j - at - 1);
    i = j + 1;
    if (name.empty() || name[0] == '/') continue;
    bool known = false;
    for (const FirstTag& tag : first_) known = known || tag.name == name;
    if (known) continue;
    if (first_.size() == kMostNames) {
      complete_ = false;
      break;
    }
    first_.push_back({name, at});
  }
}

bool TagIndex::FindElement(std::string_view name, CTagElement* element) const {
  for (const FirstTag& tag : first_) {
    if (tag.name == name) return CloseElement(name, text_, tag.at, limit_, element);
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
