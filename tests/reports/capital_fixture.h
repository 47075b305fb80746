#pragma once
// The four capital lists as the printed pages meet them: a machine, a
// building, purchased and retained stock, each with a record that has no
// name and one whose name holds a percent sign, shared by two budgets.

#include <memory>
#include <string_view>

#include "document/worksheet.h"

template <class Record>
Record& AppendCapital(std::unique_ptr<Record>& head, std::string_view label) {
  std::unique_ptr<Record>* tail = &head;
  while (*tail) tail = &(*tail)->next;
  *tail = std::make_unique<Record>();
  (*tail)->label = label;
  return **tail;
}

inline void FillCapitalLists(CBudgetWorksheet& worksheet) {
  worksheet.GetBudget(1, true);
  worksheet.GetBudget(0)->publicationId = "CC-09";
  WholeFarmLists& lists = worksheet.lists;
  CBudgetMachine& tractor = AppendCapital(lists.pMachinery, "Tractor 100% paid");
  tractor.purchasePrice = 60000;
  tractor.salvageValue = 10000;
  tractor.usefulLife = 10;
  tractor.interestRate = 6;
  tractor.taxes = 1;
  tractor.housing = 0.5;
  tractor.insurance = 0.75;
  tractor.licenses = 0.25;
  tractor.allocation[0] = 75;
  tractor.allocation[1] = 25;
  CBudgetMachine& unnamed = AppendCapital(lists.pMachinery, "");
  unnamed.purchasePrice = 0;
  unnamed.usefulLife = 5;

  CBudgetMachine& barn = AppendCapital(lists.pBuildings, "Calving barn");
  barn.purchasePrice = 40000;
  barn.salvageValue = 0;
  barn.usefulLife = 20;
  barn.interestRate = 5;
  barn.housing = 1.5;  // repairs
  barn.miscellaneous = 0.5;
  barn.allocation[0] = 100;

  CLivestockInvestment& bulls = AppendCapital(lists.pPurchasedLivestock, "Bulls");
  bulls.numberHead = 4;
  bulls.purchasePrice = 3500;
  bulls.salvageValue = 1500;
  bulls.usefulLife = 4;
  bulls.interestRate = 6;
  bulls.allocation[0] = 60;
  bulls.allocation[1] = 40;
  CLivestockInvestment& heifers = AppendCapital(lists.pRetainedLivestock, "Replacement heifers");
  heifers.numberHead = 20;
  heifers.purchasePrice = 1200;
  heifers.salvageValue = 1000;
  heifers.usefulLife = 6;
  heifers.interestRate = 6;
  heifers.allocation[0] = 100;
}
