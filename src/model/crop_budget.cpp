#include "model/crop_budget.h"

#include <algorithm>

#include "text/number_parse.h"
#include "text/number_text.h"
#include "text/utf8_text.h"
#include "model/grid_cells.h"
#include "model/line_chain.h"
#include "platform/app_message.h"

namespace {

constexpr std::string_view kUntitledTab = "Untitled Tab";

void SetHeaderText(std::string& field, std::string_view text, std::size_t maxChars) {
  field = FirstChars(text, maxChars);
}

}  // namespace

CCropBudget::CCropBudget() = default;

CCropBudget::~CCropBudget() {
  // The budgets after this one are freed one at a time; each frees its own lines.
  DestroyChain(next);
}

int CCropBudget::SetValue(int rowOrField, int column, std::string_view text,
                          std::string* message) {
  if (column != 0) {
    LineSlot* slot = GetLineSlot(rowOrField);
    if (!slot) {
      App_MessageBox("Null pParent pointer in CCropBudget::SetValue");
      return 0;
    }
    if (!*slot) {
      if (IsUntouchedNewItemCell(column, text)) return 1;
      *slot = std::make_unique<CBudgetLine>();
    }
    (*slot)->SetValue(column, text, message);
  } else {
    switch (rowOrField) {
      case kIdcEditIdOrName:
        SetHeaderText(publicationId, text, kBudgetIdChars);
        break;
      case kIdcEditTitleOrPhone:
        SetHeaderText(title, text, kBudgetTitleChars);
        break;
      case kIdcEditFootnote:
        SetHeaderText(footnote, text, kBudgetFootnoteChars);
        break;
      case kIdcComboHerdUnit:
        SetHeaderText(herdUnitName, text, kHerdUnitChars);
        break;
      case kIdcEditUnits: {
        std::string scratch;
        numUnits = ParseInteger(text, "Number of Acres", message ? message : &scratch);
        break;
      }
      default:
        break;
    }
  }
  UpdateOperatingInterest(false);
  return 1;
}

std::string CCropBudget::GetFieldText(int field) const {
  switch (field) {
    case kIdcEditIdOrName:
      return publicationId.empty() ? std::string(kUntitledTab) : publicationId;
    case kIdcEditTitleOrPhone:
      return title.empty() ? std::string(kUntitledTab) : title;
    case kIdcEditUnits: {
      std::string text = numUnits < 0 ? std::string() : FormatInt(numUnits);
      if (!herdUnitName.empty()) text += " " + herdUnitName;
      return text;
    }
    default:
      return {};
  }
}

std::string CCropBudget::GetDisplayName() const {
  if (!title.empty() && !publicationId.empty()) return title + " (" + publicationId + ")";
  if (!title.empty()) return title;
  if (!publicationId.empty()) return publicationId;
  return "Untitled Budget";
}

int CCropBudget::CountLines(int section) const {
  if (section == 3) {
    int count = 0;
    for (const auto& head : sections) count += ChainLength(head);
    return count;
  }
  if (section < 0 || section > 2) return 0;
  return ChainLength(sections[static_cast<std::size_t>(section)]);
}

SectionTotals CCropBudget::GetSectionTotals(bool perUnit) const {
  std::array<double, 3> sums{};
  for (std::size_t s = 0; s < sections.size(); ++s) {
    for (const CBudgetLine* line = sections[s].get(); line; line = line->next.get()) {
      const double v = perUnit ? line->GetPerUnit(numUnits) : line->GetTotal(numUnits);
      if (v > 0) sums[s] += v;
    }
  }
  return {sums[0], sums[1], sums[2]};
}

void CCropBudget::GetNetReturns(double* returns, double* costs, double* net) {
  UpdateOperatingInterest(false);
  const SectionTotals totals = GetSectionTotals(false);
  const double allCosts = totals.operating + totals.ownership;
  if (returns) *returns = totals.returns;
  if (costs) *costs = allCosts;
  if (net) *net = totals.returns - allCosts;
}

void CCropBudget::GetPerUnitMargin(double* returns, double* operating, double* margin) const {
  const SectionTotals perUnit = GetSectionTotals(true);
  if (returns) *returns = perUnit.returns;
  if (operating) *operating = perUnit.operating;
  if (margin) *margin = perUnit.returns - perUnit.operating;
}

void CCropBudget::CopyFrom(const CCropBudget& other) {
  if (&other == this) return;
  publicationId = other.publicationId;
  title = other.title;
  numUnits = other.numUnits;
  footnote = other.footnote;
  for (std::size_t s = 0; s < sections.size(); ++s) {
    DestroyChain(sections[s]);
    LineSlot* tail = &sections[s];
    for (const CBudgetLine* line = other.sections[s].get(); line; line = line->next.get()) {
      *tail = std::make_unique<CBudgetLine>();
      (*tail)->CopyFrom(*line);
      tail = &(*tail)->next;
    }
  }
}

CBudgetLine& CCropBudget::AppendLine(int section) {
  // Internal callers only; a stray section number lands in the nearest one.
  LineSlot& head = sections[static_cast<std::size_t>(std::clamp(section, 0, 2))];
  LineSlot& tail = TailSlot(head);
  tail = std::make_unique<CBudgetLine>();
  return *tail;
}
