// The printed report to PDF: every section of the 5 MB worksheet of 110
// budgets of 300 lines, with whole-farm lists in every section; and one
// budget page on its own.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "document/worksheet.h"
#include "headless/headless_platform.h"
#include "headless/pdf_print_device.h"
#include "reports/print_report.h"
#include "synthetic_worksheet.h"

namespace {

constexpr int kEverySection = 0x7ED;

template <class Record>
Record& Append(std::unique_ptr<Record>& head, std::string label) {
  std::unique_ptr<Record>* tail = &head;
  while (*tail) tail = &(*tail)->next;
  *tail = std::make_unique<Record>();
  (*tail)->label = std::move(label);
  return **tail;
}

// Lists as a large ranch keeps them, each record shared over the budgets.
void FillLists(WholeFarmLists& lists) {
  for (int i = 0; i < 60; ++i) {
    CExpenseLne& line = Append(i < 40 ? lists.pOperatingExpenses : lists.pOwnershipExpenses,
                               "Expense " + std::to_string(i));
    line.heading = i % 10 == 0;
    line.total = 1000 + i;
    line.allocation.fill(5);
  }
  for (int i = 0; i < 30; ++i) {
    CVeterinaryCost& treatment = Append(lists.pVeterinaryCosts, "Treatment " + std::to_string(i));
    treatment.heading = i % 10 == 0;
    treatment.units = "dose";
    treatment.cost = 2.5;
    treatment.allocation.fill(40);
  }
  for (auto* machines : {&lists.pMachinery, &lists.pBuildings}) {
    for (int i = 0; i < 30; ++i) {
      CBudgetMachine& machine = Append(*machines, "Machine " + std::to_string(i));
      machine.purchasePrice = 50000 + i;
      machine.salvageValue = 5000;
      machine.usefulLife = 10;
      machine.interestRate = 6;
      machine.taxes = 1;
      machine.allocation.fill(5);
    }
  }
  for (auto* stock : {&lists.pPurchasedLivestock, &lists.pRetainedLivestock}) {
    for (int i = 0; i < 10; ++i) {
      CLivestockInvestment& animals = Append(*stock, "Stock " + std::to_string(i));
      animals.numberHead = 10;
      animals.purchasePrice = 2000;
      animals.salvageValue = 1000;
      animals.usefulLife = 5;
      animals.interestRate = 6;
      animals.allocation.fill(5);
    }
  }
}

std::string OutputPath(const char* name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

void PrintToPdf(benchmark::State& state, CBudgetWorksheet& worksheet, PrintSelection selection,
                const std::string& pdf) {
  int pages = 0;
  for (auto _ : state) {
    CPrintJob job({"herd-bench.vqn", "3/14/2024"});
    job.UseDevice(std::make_unique<PdfPrintDevice>(pdf, PaperSize::kLetter), 1);
    if (!PrintReportSections(job, worksheet, selection)) state.SkipWithError("not printed");
    pages = job.PagesPrinted();
  }
  state.counters["pages"] = pages;
  state.counters["PDF bytes"] = static_cast<double>(std::filesystem::file_size(pdf));
  std::filesystem::remove(pdf);
}

void BM_PrintEverySectionToPdf(benchmark::State& state) {
  HeadlessPlatform platform(/*echoToStderr=*/true);
  ScopedPlatform installed(platform);
  static const std::string path = SaveSyntheticWorksheet("herd-print-bench.vqn", 4'800'000);
  CBudgetWorksheet worksheet;
  worksheet.Open(path);
  FillLists(worksheet.lists);
  state.counters["budgets"] = worksheet.CountBudgets();
  PrintToPdf(state, worksheet, {kEverySection | kPrintOperatingSummary, -1, -1},
             OutputPath("herd-print-bench-all.pdf"));
}
BENCHMARK(BM_PrintEverySectionToPdf)->Unit(benchmark::kMillisecond);

// A budget that fills one page: its header, 30 lines and its totals.
void BM_PrintOneBudgetPageToPdf(benchmark::State& state) {
  HeadlessPlatform platform(/*echoToStderr=*/true);
  ScopedPlatform installed(platform);
  CBudgetWorksheet worksheet;
  FillSyntheticBudget(*worksheet.GetBudget(0, true), 30);
  PrintToPdf(state, worksheet, {kPrintBudgets, 1, -1}, OutputPath("herd-print-bench-page.pdf"));
}
BENCHMARK(BM_PrintOneBudgetPageToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
