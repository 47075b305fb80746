// The line's element in the document and on the clipboard.
#include <string>

#include "text/tag_buffer.h"
#include "text/tag_reader.h"
#include "text/tag_writer.h"
#include "model/budget_line.h"
#include "text/text_case.h"

namespace {

constexpr std::size_t kSourceWordChars = 32;

std::int32_t SourceOfWord(std::string_view word) {
  for (std::int32_t source = kSourceMachine; source <= kSourceRetainedLivestock; ++source) {
    if (EqualsNoCase(word, SourceWord(source))) return source;
  }
  return kSourceNone;
}

}  // namespace

void CBudgetLine::WriteTags(CTagBuffer& buffer, std::string_view element,
                            std::string_view extra) const {
  AppendOpenTag(buffer, element);
  switch (kind) {
    case kKindHeading:
      AppendTextElement(buffer, "\t", "HEADING", label);
      break;
    case kKindTotal:
      AppendTextElement(buffer, "\t", "LABEL", label);
      AppendRealElement(buffer, "\t", "TOTAL", value, 4);
      break;
    case kKindPerAnimal:
      AppendTextElement(buffer, "\t", "LABEL", label);
      AppendRealElement(buffer, "\t", "ANIMALTOTAL", value, 4);
      break;
    default:
      AppendTextElement(buffer, "\t", "LABEL", label);
      AppendTextElement(buffer, "\t", "UNITS", units);
      AppendRealElement(buffer, "\t", "PRICE", value, 4);
      AppendRealElement(buffer, "\t", "QUANTITY", quantity, 4);
      if (weight >= 0) AppendRealElement(buffer, "\t", "WEIGHT", weight, 4);
      break;
  }
  if (const std::string_view word = SourceWord(source); !word.empty()) {
    AppendTextElement(buffer, "\t", "AUTO", word);
  }
  buffer.Append(extra);
  AppendCloseTag(buffer, element);
}

void CBudgetLine::ReadTags(std::string_view text, std::size_t start, std::size_t end) {
  ReadTags(TagIndex(text, start, end));
}

void CBudgetLine::ReadTags(const TagIndex& tags) {
  if (tags.ReadText("HEADING", &label, kLineLabelChars)) {
    kind = kKindHeading;
    return;
  }
  tags.ReadText("LABEL", &label, kLineLabelChars);
  double number = 0;
  if (tags.ReadReal("TOTAL", &number)) {
    value = number;
    SetKind(kKindTotal);
  } else if (tags.ReadReal("ANIMALTOTAL", &number)) {
    value = number;
    SetKind(kKindPerAnimal);
  } else {
    kind = kKindQuantity;
    if (tags.ReadReal("PRICE", &number)) value = number;
    tags.ReadText("UNITS", &units, kLineUnitsChars);
    if (tags.ReadReal("QUANTITY", &number)) quantity = number;
    if (tags.ReadReal("WEIGHT", &number)) weight = number;
  }
  source = kSourceNone;
  std::string word;
  if (tags.ReadText("AUTO", &word, kSourceWordChars)) source = SourceOfWord(word);
}
