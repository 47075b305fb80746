// The budget's element in the document.
#include <array>

#include "text/tag_buffer.h"
#include "text/tag_reader.h"
#include "text/tag_writer.h"
#include "model/crop_budget.h"
#include "model/line_chain.h"

namespace {

constexpr std::array<std::string_view, 3> kRowElements = {"RECEIPTROW", "OPERATINGROW",
                                                          "OWNERSHIPROW"};

void ReadOrEmpty(std::string_view name, std::string* field, std::size_t maxChars,
                 std::string_view text, std::size_t start, std::size_t end) {
  if (!ReadText(name, field, maxChars, text, start, end)) field->clear();
}

}  // namespace

void CCropBudget::WriteTags(CTagBuffer& buffer, std::string_view element) const {
  AppendOpenTag(buffer, element);
  AppendTextElement(buffer, "", "PUBLICATION", publicationId);
  AppendTextElement(buffer, "", "TITLE", title);
  AppendIntElement(buffer, "", "NUMACRES", numUnits);
  AppendTextElement(buffer, "", "HERDUNITS", herdUnitName);
  AppendRealElement(buffer, "", "INTERESTRATE", interestRate, 2);
  AppendRealElement(buffer, "", "INTERESTTERM", interestTerm, 2);
  AppendTextElement(buffer, "", "FOOTNOTE", footnote);
  for (std::size_t s = 0; s < sections.size(); ++s) {
    for (const CBudgetLine* line = sections[s].get(); line; line = line->next.get()) {
      line->WriteTags(buffer, kRowElements[s], {});
    }
  }
  AppendCloseTag(buffer, element);
}

bool CCropBudget::ReadTags(std::string_view text, std::size_t start, std::size_t end,
                           std::span<const std::string_view> others) {
  ReadOrEmpty("PUBLICATION", &publicationId, kBudgetIdChars, text, start, end);
  ReadOrEmpty("TITLE", &title, kBudgetTitleChars, text, start, end);
  ReadOrEmpty("HERDUNITS", &herdUnitName, kHerdUnitChars, text, start, end);
  ReadOrEmpty("FOOTNOTE", &footnote, kBudgetFootnoteChars, text, start, end);
  if (!ReadInteger("NUMACRES", text, start, end, &numUnits)) numUnits = -1;
  if (!ReadReal("INTERESTRATE", text, start, end, &interestRate)) interestRate = -1.0;
  if (!ReadReal("INTERESTTERM", text, start, end, &interestTerm)) interestTerm = -1.0;

  // Appending through kept tails keeps a long section linear to read; one pass
  // over the budget finds the rows of all three sections.
  std::array<LineSlot*, 3> tails{};
  for (std::size_t s = 0; s < sections.size(); ++s) tails[s] = &TailSlot(sections[s]);
  return ForEachIndexedElement(
      kRowElements, text, start, end,
      [&](std::size_t section, const TagIndex& row) {
        LineSlot*& tail = tails[section];
        *tail = std::make_unique<CBudgetLine>();
        (*tail)->ReadTags(row);
        tail = &(*tail)->next;
      },
      others);
}
