#pragma once
// Synthetic worksheets for the benchmarks: budgets of quantity lines with a
// heading every 25 lines and an operating interest row.

#include <array>
#include <filesystem>
#include <memory>
#include <string>

#include "text/tag_buffer.h"
#include "document/worksheet.h"
#include "model/line_chain.h"
#include "headless/headless_platform.h"
#include "synthetic_lists.h"

inline void FillSyntheticBudget(CCropBudget& budget, int lines) {
  budget.publicationId = "B-1";
  budget.title = "Cow-calf, spring calving";
  budget.numUnits = 120;
  budget.herdUnitName = "Cow";
  budget.interestRate = 8;
  budget.interestTerm = 6;
  // Appended through each section's tail: AppendLine walks the section.
  std::array<LineSlot*, 3> tails{};
  for (int s = 0; s < 3; ++s) tails[s] = &TailSlot(budget.sections[s]);
  for (int i = 0; i < lines; ++i) {
    LineSlot*& tail = tails[i % 3];
    *tail = std::make_unique<CBudgetLine>();
    CBudgetLine& line = **tail;
    tail = &line.next;
    if (i % 25 == 0) {
      line.label = "Heading " + std::to_string(i);
      line.kind = kKindHeading;
      continue;
    }
    line.label = "Item number " + std::to_string(i);
    line.units = "cwt";
    line.kind = kKindQuantity;
    line.value = 12.5 + i;
    line.quantity = 40 + i % 7;
    if (i % 3 == 0) line.weight = 5.5;
  }
  budget.UpdateOperatingInterest(true);
}

// Budgets of 300 lines until the file reaches targetBytes; or one budget of
// `lines` lines when targetBytes is 0. Saved on the headless platform, whose
// save errors go to standard error rather than to a message box.
inline std::string SaveSyntheticWorksheet(const char* name, std::size_t targetBytes,
                                          int lines = 300) {
  HeadlessPlatform platform(/*echoToStderr=*/true);
  ScopedPlatform installed(platform);
  CBudgetWorksheet worksheet;
  worksheet.name = "Willow Creek Ranch";
  std::size_t bytes = 0;
  for (int i = 0;; ++i) {
    CCropBudget& budget = *worksheet.GetBudget(i, true);
    FillSyntheticBudget(budget, lines);
    if (targetBytes == 0) break;
    CTagBuffer buffer;
    budget.WriteTags(buffer, "LIVESTOCKBUDGET");
    bytes += buffer.GetLength();
    if (bytes >= targetBytes) break;
  }
  const std::string file = (std::filesystem::temp_directory_path() / name).string();
  worksheet.Save(file);
  return file;
}

// Twenty budgets of 300 lines and all seven lists, each list grown to the same
// number of records until the file reaches about targetBytes.
inline std::string SaveSyntheticWorksheetWithLists(const char* name, std::size_t targetBytes) {
  constexpr int kBudgets = 20;
  HeadlessPlatform platform(/*echoToStderr=*/true);
  ScopedPlatform installed(platform);
  CBudgetWorksheet worksheet;
  worksheet.name = "Willow Creek Ranch";
  for (int i = 0; i < kBudgets; ++i) FillSyntheticBudget(*worksheet.GetBudget(i, true), 300);
  const std::string file = (std::filesystem::temp_directory_path() / name).string();
  // One trial size tells the bytes a record of each list takes.
  constexpr int kTrial = 100;
  worksheet.Save(file);
  const std::size_t budgetBytes = std::filesystem::file_size(file);
  FillSyntheticLists(worksheet.lists, kTrial, kBudgets);
  worksheet.Save(file);
  const std::size_t perRecord = (std::filesystem::file_size(file) - budgetBytes) / kTrial;
  const std::size_t records =
      targetBytes > budgetBytes ? (targetBytes - budgetBytes) / perRecord : 1;
  FillSyntheticLists(worksheet.lists, static_cast<int>(records), kBudgets);
  worksheet.Save(file);
  return file;
}
