#include "document/tag_reader.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "document/number_text.h"
#include "document/tag_writer.h"
#include "document/utf8_text.h"

namespace {

// Position of needle in text[from, limit), or npos.
std::size_t Search(std::string_view text, std::string_view needle, std::size_t from,
                   std::size_t limit) {
  if (from > limit || limit - from < needle.size()) return std::string_view::npos;
#ifdef __GLIBC__
  // memmem is a two-way search: documents are dense with '<', which slows a
  // search that looks for the first byte.
  const void* hit = memmem(text.data() + from, limit - from, needle.data(), needle.size());
  return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data())
             : std::string_view::npos;
#else
  const auto first = text.begin() + from;
  const auto last = text.begin() + limit;
  const auto hit = std::search(first, last, needle.begin(), needle.end());
  return hit == last ? std::string_view::npos : static_cast<std::size_t>(hit - text.begin());
#endif
}

constexpr std::size_t kMaxNumberBytes = 31;

}  // namespace

bool FindElement(std::string_view name, std::string_view text, std::size_t start,
                 std::size_t limit, CTagElement* element) {
  limit = std::min(limit, text.size());
  if (name.empty() || start >= limit) return false;
  std::string open;
  open.reserve(name.size() + 3);
  open.append("<").append(name).append(">");
  const std::size_t openAt = Search(text, open, start, limit);
  if (openAt == std::string_view::npos) return false;
  const std::size_t contentStart = openAt + open.size();
  std::string close = open;
  close.insert(1, "/");
  const std::size_t closeAt = Search(text, close, contentStart, limit);
  if (closeAt == std::string_view::npos) return false;
  element->contentStart = contentStart;
  element->contentEnd = closeAt;
  element->text = text;
  return true;
}

namespace {

bool FindNumberContent(std::string_view name, std::string_view text, std::size_t start,
                       std::size_t limit, std::string_view* content) {
  CTagElement element;
  if (!FindElement(name, text, start, limit, &element)) return false;
  *content = element.Content();
  return !content->empty() && content->size() <= kMaxNumberBytes;
}

}  // namespace

// No digits reads as 0, as the C conversion gives. A number too large for its
// type, or one that is not finite, is no value any version writes: not found.
bool ReadReal(std::string_view name, std::string_view text, std::size_t start, std::size_t limit,
              double* value) {
  std::string_view content;
  if (!FindNumberContent(name, text, start, limit, &content)) return false;
  double converted = 0;
  if (ScanReal(content, &converted) == NumberScan::kOutOfRange) return false;
  *value = converted;
  return true;
}

bool ReadInteger(std::string_view name, std::string_view text, std::size_t start,
                 std::size_t limit, std::int32_t* value) {
  std::string_view content;
  if (!FindNumberContent(name, text, start, limit, &content)) return false;
  std::int32_t converted = 0;
  if (ScanInteger(content, &converted) == NumberScan::kOutOfRange) return false;
  *value = converted;
  return true;
}

bool ReadText(std::string_view name, std::string* destination, std::size_t maxChars,
              std::string_view text, std::size_t start, std::size_t limit) {
  CTagElement element;
  if (!FindElement(name, text, start, limit, &element)) return false;
  const std::string_view content = element.Content();
  if (content.empty()) return false;
  const std::string decoded = UnescapeMarkupText(content);
  destination->assign(FirstChars(decoded, maxChars));
  return true;
}
