#pragma once
// Synthetic whole-farm lists for the benchmarks: every one of the seven kinds.

#include <memory>
#include <string>

#include "farm/expense_lists.h"
#include "farm/livestock_lists.h"
#include "farm/machine_lists.h"
#include "farm/veterinary_list.h"
#include "farm/whole_farm_lists.h"

// A heading every 10 lines; each item spread over every budget.
inline void FillSyntheticExpenses(std::unique_ptr<CExpenseLne>& head, int lines,
                                  const char* prefix, int budgets) {
  std::unique_ptr<CExpenseLne>* tail = &head;
  for (int i = 0; i < lines; ++i, tail = &(*tail)->next) {
    *tail = std::make_unique<CExpenseLne>();
    CExpenseLne& line = **tail;
    line.label = prefix + std::to_string(i);
    line.heading = i % 10 == 0 ? 1 : 0;
    line.total = 1000 + i;
    line.allocation.fill(100.0 / budgets);
  }
}

inline void FillSyntheticTreatments(std::unique_ptr<CVeterinaryCost>& head, int lines) {
  std::unique_ptr<CVeterinaryCost>* tail = &head;
  for (int i = 0; i < lines; ++i, tail = &(*tail)->next) {
    *tail = std::make_unique<CVeterinaryCost>();
    CVeterinaryCost& line = **tail;
    line.label = "Treatment " + std::to_string(i);
    line.units = "dose";
    line.heading = i % 10 == 0 ? 1 : 0;
    line.cost = 2.5;
    line.allocation.fill(40 + i % 7);
  }
}

// Machines and stock of every size and age, each shared over every budget.
template <class Record>
void FillSyntheticCapital(std::unique_ptr<Record>& head, int records, int budgets) {
  std::unique_ptr<Record>* tail = &head;
  for (int i = 0; i < records; ++i, tail = &(*tail)->next) {
    *tail = std::make_unique<Record>();
    Record& record = **tail;
    record.label = "Record " + std::to_string(i);
    record.purchasePrice = 5000 + 100 * i;
    record.salvageValue = 500 + 10 * i;
    record.usefulLife = 5 + i % 20;
    record.interestRate = 6.5;
    record.allocation.fill(100.0 / budgets);
    if constexpr (requires { record.numberHead; }) {
      record.numberHead = 1 + i % 12;
    } else {
      record.taxes = 1;
      record.housing = 0.5;
      record.insurance = 0.6;
    }
  }
}

// The expense lists take 600 and 400 lines for `records`, 500.
inline void FillSyntheticLists(WholeFarmLists& lists, int records, int budgets) {
  FillSyntheticExpenses(lists.pOperatingExpenses, records * 6 / 5, "Operating ", budgets);
  FillSyntheticExpenses(lists.pOwnershipExpenses, records * 4 / 5, "Ownership ", budgets);
  FillSyntheticTreatments(lists.pVeterinaryCosts, records);
  FillSyntheticCapital(lists.pMachinery, records, budgets);
  FillSyntheticCapital(lists.pBuildings, records, budgets);
  FillSyntheticCapital(lists.pPurchasedLivestock, records, budgets);
  FillSyntheticCapital(lists.pRetainedLivestock, records, budgets);
}
