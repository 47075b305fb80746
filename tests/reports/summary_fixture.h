#pragma once
// Three budgets as the summary meets them: a herd of 10 with an ID, one with no
// ID, no title and no herd size, and one of no animals; and the ranch's contact.

#include <string_view>

#include "document/worksheet.h"

inline CBudgetLine& AddSummaryLine(CCropBudget& budget, int section, std::string_view label,
                                   LineKind kind, double value) {
  CBudgetLine& line = budget.AppendLine(section);
  line.label = label;
  line.kind = kind;
  line.value = value;
  return line;
}

inline void FillSummaryWorksheet(CBudgetWorksheet& worksheet) {
  worksheet.name = "Willow Creek Ranch";
  worksheet.phone = "(555) 010-2288";
  worksheet.address = "14 Mill Road\r\nCorvale Valley";

  CCropBudget& herd = *worksheet.GetBudget(0, true);
  herd.publicationId = "CC-09";
  herd.title = "Cow-calf";
  herd.numUnits = 10;
  herd.herdUnitName = "Cow";
  AddSummaryLine(herd, kSectionReturns, "Calves", kKindTotal, 1000);
  AddSummaryLine(herd, kSectionOperating, "Feed", kKindHeading, -1);
  AddSummaryLine(herd, kSectionOperating, "Hay", kKindTotal, 400);
  AddSummaryLine(herd, kSectionOwnership, "Barn", kKindTotal, 100.5);

  CCropBudget& unsized = *worksheet.GetBudget(1, true);
  AddSummaryLine(unsized, kSectionReturns, "Wool", kKindPerAnimal, 25);
  AddSummaryLine(unsized, kSectionOperating, "FEED", kKindHeading, -1);
  AddSummaryLine(unsized, kSectionOperating, "Hay", kKindTotal, 300);

  CCropBudget& none = *worksheet.GetBudget(2, true);
  none.publicationId = "Z-1";
  none.title = "Zero herd";
  none.numUnits = 0;
  AddSummaryLine(none, kSectionOperating, "Salt", kKindTotal, 50);
}

inline constexpr std::string_view kSummaryText =
    "Name: Willow Creek Ranch\n"
    "Phone: (555) 010-2288\n"
    "Address: 14 Mill Road\r\nCorvale Valley\n"
    "\n\n"
    "Gross Margin Analysis (per acre)\n\n"
    "Crop\tRevenue Per Acre\tVariable Costs Per Acre\tGross Margin Per Acre\n"
    "Cow-calf (CC-09)\t$ 100.00\t$ 40.00\t$ 60.00\n"
    "Untitled Tab\t$ 25.00\t$ 0.00\t$ 25.00\n"
    "Zero herd (Z-1)\t$ 0.00\t$ 0.00\t$ 0.00\n"
    "\n\n"
    "Whole Farm Summary (totals)\n\n"
    "Crop\tAcres\tTotal Revenue\tTotal Costs\tNet Returns\n"
    "Cow-calf (CC-09)\t10\t$ 1000.00\t$ 500.50\t$ 499.50\n"
    "Untitled Tab\t\t$ 0.00\t$ 300.00\t$ -300.00\n"
    "Zero herd (Z-1)\t\t$ 0.00\t$ 50.00\t$ -50.00\n"
    "TOTAL\t10\t$ 1000.00\t$ 850.50\t$ 149.50\n";

inline constexpr std::string_view kSummaryRtf =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang103\r\n"
    "\\viewkind4\\uc1\\pard\\tx3500\\tx4900\\tx6200\\tx7500\\f0\\fs18\r\n"
    "Name: Willow Creek Ranch\\par\n"
    "Phone: (555) 010-2288\\par\n"
    "Address: 14 Mill Road\\par\n"
    "Corvale Valley\\par\n"
    " \\par\\par\n"
    "\\b Gross Margin Analysis (per acre)\\b0\\par\\par\n"
    "\\b Crop (in order of\\tab Revenue\\tab Variable Costs\\tab Gross Margin\\b0\\par\n"
    "\\b\\ul descending Gross Margin)\\tab Per Acre\\tab Per Acre\\tab Per Acre\\ulnone\\b0\\par\n"
    "Cow-calf (CC-09)\\tab $ 100.00\\tab $ 40.00\\tab $ 60.00\\par\n"
    "Untitled Tab\\tab $ 25.00\\tab $ 0.00\\tab $ 25.00\\par\n"
    "Zero herd (Z-1)\\tab $ 0.00\\tab $ 0.00\\tab $ 0.00\\par\n"
    "\\par\\par\n"
    "\\b Whole Farm Summary (totals)\\b0\\par\\par\n"
    "\\b Crop (in order of\\tab \\tab Total\\tab Total\\tab Net\\b0\\par\n"
    "\\b\\ul descending Gross Margin)\\tab Acres\\tab Revenue\\tab Costs\\tab Returns"
    "\\ulnone\\b0\\par\n"
    "Cow-calf (CC-09)\\tab 10\\tab $ 1000.00\\tab $ 500.50\\tab $ 499.50\\par\n"
    "Untitled Tab\\tab \\tab $ 0.00\\tab $ 300.00\\tab $ -300.00\\par\n"
    "Zero herd (Z-1)\\tab \\tab $ 0.00\\tab $ 50.00\\tab $ -50.00\\par\n"
    "\\b TOTAL\\tab 10\\tab $ 1000.00\\tab $ 850.50\\tab $ 149.50\\b0\\par\n"
    "}\n";
