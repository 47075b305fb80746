#include "document/budget_import.h"

#include "document/worksheet.h"

CCropBudget& AppendBudgetCopy(CBudgetWorksheet& document, const CCropBudget& source) {
  CCropBudget& copy = *document.GetBudget(document.CountBudgets(), true);
  copy.CopyFrom(source);
  copy.herdUnitName = source.herdUnitName;
  copy.interestRate = source.interestRate;
  copy.interestTerm = source.interestTerm;
  // CopyFrom keeps the order of the lines, so the two chains walk together.
  for (std::size_t s = 0; s < copy.sections.size(); ++s) {
    const CBudgetLine* from = source.sections[s].get();
    for (CBudgetLine* to = copy.sections[s].get(); from && to;
         from = from->next.get(), to = to->next.get()) {
      if (from->source == kSourceInterest) to->source = kSourceInterest;
    }
  }
  return copy;
}
