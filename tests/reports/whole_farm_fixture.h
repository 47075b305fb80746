#pragma once
// Two budgets, the second without an ID, and both whole-farm lists: a heading,
// filled items and an item with every value missing.

#include <memory>
#include <string_view>

#include "document/worksheet.h"

template <class Line>
Line& AppendRecord(std::unique_ptr<Line>& head, std::string_view label, bool heading = false) {
  std::unique_ptr<Line>* tail = &head;
  while (*tail) tail = &(*tail)->next;
  *tail = std::make_unique<Line>();
  (*tail)->label = label;
  (*tail)->heading = heading;
  return **tail;
}

inline void FillWholeFarm(CBudgetWorksheet& worksheet) {
  worksheet.GetBudget(1, true);
  worksheet.GetBudget(0)->publicationId = "CC-09";
  WholeFarmLists& lists = worksheet.lists;
  AppendRecord(lists.pOperatingExpenses, "Fuel", true);
  CExpenseLne& diesel = AppendRecord(lists.pOperatingExpenses, "Diesel");
  diesel.total = 1000;
  diesel.allocation = {75, 25};
  AppendRecord(lists.pOperatingExpenses, "Grease");
  CExpenseLne& insurance = AppendRecord(lists.pOwnershipExpenses, "Insurance");
  insurance.total = 400;
  insurance.allocation[0] = 100;
  AppendRecord(lists.pVeterinaryCosts, "Vaccines", true);
  CVeterinaryCost& shot = AppendRecord(lists.pVeterinaryCosts, "Shot");
  shot.units = "dose";
  shot.cost = 2.5;
  shot.allocation = {120, 40};
  AppendRecord(lists.pVeterinaryCosts, "Wormer");
}

inline constexpr std::string_view kWholeFarmExpenseText =
    "Item\tTotal Cost\tCC-09 Distribution\tCrop 2 Distribution\t\n"
    "OPERATING COSTS\n"
    "Fuel\t$ 1000.00\t$ 750.00\t$ 250.00\n"
    "Diesel\t$ 1000.00\t75.00 %\t25.00 %\n"
    "Grease\t\t\t\n"
    "\nOWNERSHIP COSTS\n"
    "Insurance\t$ 400.00\t100.00 %\t\n";

inline constexpr std::string_view kWholeFarmVeterinaryText =
    "VETERINARY COSTS\r\n"
    "Veterinary Treatments\tUnit of Measurement\tCost per Treatment or Unit\t"
    "# Treatments or Units CC-09\t# Treatments or Units Budget 2\t"
    "Total Cost CC-09\tTotal Cost Budget 2\t\r\n"
    "Vaccines\t\t\t\t\t$ 300.00\t$ 100.00\t\t\n"
    "Shot\tdose\t$ 2.50\t120.00\t40.00\t$ 300.00\t$ 100.00\r\n"
    "Wormer\t\t\t\t\t\t\r\n";
