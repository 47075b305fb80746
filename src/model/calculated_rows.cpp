// Rows handed to the budget by the whole-farm lists and its own interest.

#include "text/number_parse.h"
#include "text/number_text.h"
#include "text/tag_buffer.h"
#include "text/utf8_text.h"
#include "model/crop_budget.h"
#include "model/line_chain.h"
#include "text/money.h"
#include "text/text_case.h"
#include "platform/app_message.h"
#include "platform/dialog_window.h"

namespace {

constexpr std::string_view kInterestLabel = "Operating Interest";
constexpr int kRateEdit = 1085;
constexpr int kTermEdit = 1087;
constexpr std::size_t kDialogNumberChars = 14;

// An amount the file could not carry back (sums of huge costs) is a blank, so
// that the row reads back as it was written.
void MakeCalculated(CBudgetLine& line, std::string_view label, double amount,
                    std::int32_t source) {
  line.label = label;
  line.value = FitsNumberElement(amount) ? amount : kBlank;
  line.SetKind(kKindTotal);
  line.source = source;
  line.stale = 0;
}

// Parses one edit of the interest dialog; false after showing the problem.
bool ReadDialogNumber(const PlatformWindow& dialog, int editId, std::string_view field,
                      double* value) {
  const std::string text = dialog.GetItemText(editId);
  std::string message;
  const double parsed = ParseReal(FirstChars(text, kDialogNumberChars), field, &message);
  if (!message.empty()) {
    App_MessageBox(message);
    return false;
  }
  *value = parsed;
  return true;
}

}  // namespace

void CCropBudget::MarkCalculated(std::int32_t source) {
  for (auto& head : sections) {
    for (CBudgetLine* line = head.get(); line; line = line->next.get()) {
      if (line->source == source && line->kind != kKindHeading) line->stale = 1;
    }
  }
}

LineSlot* CCropBudget::FindCalculated(int section, std::string_view label, std::int32_t source) {
  const std::string_view cut = FirstChars(label, kLineLabelChars);
  LineSlot* slot = &sections[static_cast<std::size_t>(section)];
  while (*slot && !((*slot)->source == source && EqualsNoCase((*slot)->label, cut)))
    slot = &(*slot)->next;
  return slot;
}

bool CCropBudget::SetCalculated(int section, std::string_view label, double amount,
                                std::int32_t source, bool create) {
  if (section < 0 || section > 2) return false;
  const std::string_view cut = FirstChars(label, kLineLabelChars);
  LineSlot* slot = FindCalculated(section, cut, source);
  if (*slot) {
    MakeCalculated(**slot, cut, amount, source);
    return false;
  }
  if (!create) return false;
  *slot = std::make_unique<CBudgetLine>();
  MakeCalculated(**slot, cut, amount, source);
  return true;
}

void CCropBudget::RemoveStale() {
  for (auto& head : sections) {
    LineSlot* slot = &head;
    while (*slot) {
      if ((*slot)->stale) {
        Unlink(*slot);
      } else {
        slot = &(*slot)->next;
      }
    }
  }
}

void CCropBudget::UpdateOperatingInterest(bool create) {
  if (create) MarkCalculated(kSourceInterest);
  if (interestRate > 0 && interestTerm > 0) {
    double base = 0;
    for (const CBudgetLine* line = sections[kSectionOperating].get(); line;
         line = line->next.get()) {
      if (line->source == kSourceInterest) continue;
      const double total = line->GetTotal(numUnits);
      if (total > 0) base += total;
    }
    const double amount = interestRate / 100.0 * base * (interestTerm / 12.0);
    SetCalculated(kSectionOperating, kInterestLabel, amount, kSourceInterest, create);
  }
  if (create) RemoveStale();
}

bool CCropBudget::RefreshOperatingInterest() {
  const CBudgetLine* row = FindCalculated(kSectionOperating, kInterestLabel, kSourceInterest)->get();
  if (!row) return false;
  CTagBuffer before, after;
  row->WriteTags(before, "ROW", {});
  UpdateOperatingInterest(false);
  row->WriteTags(after, "ROW", {});
  return before.View() != after.View();
}

bool CCropBudget::SetInterestFromDialog(PlatformWindow& dialog) {
  double rate = 0;
  double term = 0;
  if (!ReadDialogNumber(dialog, kRateEdit, "Interest Rate", &rate)) return false;
  if (!ReadDialogNumber(dialog, kTermEdit, "Interest Term", &term)) return false;
  interestRate = rate;
  interestTerm = term;
  return true;
}
