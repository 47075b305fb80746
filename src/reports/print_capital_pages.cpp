// Machinery, buildings, purchased and retained livestock: one procedure for
// the four lists, in summary, detail or distributions form.
#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "document/worksheet.h"
#include "farm/budget_column_name.h"
#include "reports/print_job.h"
#include "reports/print_report.h"
#include "reports/print_sections.h"
#include "text/money.h"
#include "text/number_text.h"

namespace {

struct CapitalList {
  int flag;
  std::string_view title;
  int c5;                      // in a, from x0
  std::string_view overhead;   // "THILM", "TRIM", or empty for livestock
  bool depreciation;           // retained livestock has none
  std::string_view unlabelled;
  std::string_view nameHeading;
  std::string_view standIn;    // a budget without an ID, in "Distributions for ..."
  std::array<std::string_view, 5> rateLabels;  // the detail's overhead rates
};

constexpr CapitalList kLists[] = {
    {kPrintMachinery, "Farm/Ranch Machinery", 130, "THILM", true, "Unlabelled Machine", "Machine",
     "Crop ", {"Taxes:", "Housing:", "Insurance:", "Licenses:", "Misc.:"}},
    {kPrintBuildings, "Farm/Ranch Buildings", 130, "TRIM", true, "Unlabelled Building", "Machine",
     "Crop ", {"Taxes:", "Repairs:", "Insurance:", "Misc.:", ""}},
    {kPrintPurchasedLivestock, "Purchased Livestock Investment", 137, "", true,
     "Unlabelled Livestock Investment", "Animal Name", "Budget ", {}},
    {kPrintRetainedLivestock, "Retained Livestock Investment", 137, "", false,
     "Unlabelled Livestock Investment", "Animal Name", "Budget ", {}},
};

struct CapitalValues {
  double depreciation = -1;
  double interest = -1;
  double overhead = -1;
};

// One record as the pages print it, whichever list it comes from.
struct CapitalRecord {
  std::string_view label;
  double purchasePrice = -1;
  double salvageValue = -1;
  std::int32_t usefulLife = -1;
  double interestRate = -1;
  double overheadRate = -1;
  std::array<double, 5> rates{-1, -1, -1, -1, -1};
  const AllocationSlots* shares = nullptr;
  // Tab 0: the whole farm's; tab 2 + k: budget k's share.
  std::function<CapitalValues(int tab)> calculate;
};

std::vector<CapitalRecord> MachineRecords(const CBudgetMachine* machine, bool buildings) {
  std::vector<CapitalRecord> records;
  for (; machine; machine = machine->next.get()) {
    CapitalRecord& record = records.emplace_back();
    record.label = machine->label;
    record.purchasePrice = machine->purchasePrice;
    record.salvageValue = machine->salvageValue;
    record.usefulLife = machine->usefulLife;
    record.interestRate = machine->interestRate;
    record.overheadRate = machine->GetOverheadRate();
    record.rates = buildings ? std::array<double, 5>{machine->taxes, machine->housing,
                                                     machine->insurance, machine->miscellaneous, -1}
                             : std::array<double, 5>{machine->taxes, machine->housing,
                                                     machine->insurance, machine->licenses,
                                                     machine->miscellaneous};
    record.shares = &machine->allocation;
    record.calculate = [machine](int tab) {
      const MachineAmounts amounts = machine->Calculate(tab);
      return CapitalValues{amounts.depreciation, amounts.interest, amounts.overhead};
    };
  }
  return records;
}

std::vector<CapitalRecord> LivestockRecords(const CLivestockInvestment* animal) {
  std::vector<CapitalRecord> records;
  for (; animal; animal = animal->next.get()) {
    CapitalRecord& record = records.emplace_back();
    record.label = animal->label;
    record.purchasePrice = animal->purchasePrice;
    record.salvageValue = animal->salvageValue;
    record.usefulLife = animal->usefulLife;
    record.interestRate = animal->interestRate;
    record.shares = &animal->allocation;
    record.calculate = [animal](int tab) {
      const LivestockAmounts amounts = animal->Calculate(tab);
      return CapitalValues{amounts.depreciation, amounts.interest, -1};
    };
  }
  return records;
}

std::vector<CapitalRecord> RecordsOf(const WholeFarmLists& lists, int flag) {
  switch (flag) {
    case kPrintMachinery: return MachineRecords(lists.pMachinery.get(), false);
    case kPrintBuildings: return MachineRecords(lists.pBuildings.get(), true);
    case kPrintPurchasedLivestock: return LivestockRecords(lists.pPurchasedLivestock.get());
    default: return LivestockRecords(lists.pRetainedLivestock.get());
  }
}

std::string MoneyAbove(double value) { return value > 0 ? FormatMoney(value) : std::string(); }
std::string PercentAbove(double value) {
  return value > 0 ? FormatPlain(value) + " %" : std::string();
}
double Share(const CapitalRecord& record, int k) {
  return k >= 0 && k < MAX_ALLOCATIONS ? (*record.shares)[static_cast<std::size_t>(k)] : -1;
}

// The columns' x positions c1 to c5, in a of the bold report font, and that a.
struct Columns {
  std::array<int, 5> c;
  int a;
  int At(int column, int offset) const { return c[static_cast<std::size_t>(column - 1)] + offset * a; }
};

class CapitalPages {
 public:
  CapitalPages(CPrintJob& job, const CBudgetWorksheet& worksheet, const CapitalList& list)
      : job_(job), worksheet_(worksheet), list_(list), records_(RecordsOf(worksheet.lists, list.flag)) {}

  void Print(int selector) {
    const bool distributions = selector >= kPrintListDistributions;
    const bool detail = !distributions && selector != kPrintListSummary;
    TitleBlock(distributions ? "" : detail ? " - Detail" : " - Summary");
    if (distributions) {
      Distributions(selector - kPrintListDistributions);
    } else {
      SummaryOrDetail(detail);
    }
  }

 private:
  std::string_view Name(const CapitalRecord& record) const {
    return record.label.empty() ? list_.unlabelled : record.label;
  }
  bool HasOverhead() const { return !list_.overhead.empty(); }

  void TitleBlock(std::string_view form) {
    job_.NewPage();
    job_.SetFont(300, 700);
    job_.Text(job_.x0, std::string(list_.title) + std::string(form));
    job_.Advance();
    job_.SetFont(200, 700);
    job_.Advance();
    // The last column ends 10 a after c5: on paper too narrow for that the
    // columns close up rather than run off the printable area.
    const int x0 = job_.x0;
    const int a = std::min(job_.a, (job_.W - x0) / (list_.c5 + 10));
    columns_ = {{x0 + 16 * a, x0 + 48 * a, x0 + 78 * a, x0 + 105 * a, x0 + list_.c5 * a}, a};
  }

  // The shares' row: the percentage and the amounts handed to the budget,
  // each right-aligned 10 a after its column.
  std::array<int, 4> AllocationStops() const {
    return {columns_.At(2, 10), columns_.At(3, 10), columns_.At(4, 10), columns_.At(5, 10)};
  }
  std::vector<std::string> AllocationCells(double percent, const CapitalValues& values) const {
    return {PercentAbove(percent), list_.depreciation ? MoneyAbove(values.depreciation) : "",
            MoneyAbove(values.interest), HasOverhead() ? MoneyAbove(values.overhead) : ""};
  }

  void Distributions(int k) {
    const CCropBudget* budget = nullptr;
    int position = 0;
    for (const CCropBudget* b = worksheet_.budgets.get(); b && !budget; b = b->next.get())
      if (position++ == k) budget = b;
    const std::string name =
        budget && !budget->publicationId.empty()
            ? budget->publicationId
            : std::string(list_.standIn) + std::to_string(k + 1);
    job_.SetFont(200, 700, false);
    job_.Text(job_.x0, "Distributions for " + name);
    job_.Advance(2);

    job_.SetUnderline(true);
    job_.Text(job_.x0, list_.nameHeading, columns_.At(2, 0));
    job_.RightText(columns_.At(2, 10), "Percent");
    if (list_.depreciation) job_.RightText(columns_.At(3, 10), "SL Depreciation");
    job_.RightText(columns_.At(4, 10), "Interest");
    if (HasOverhead()) job_.RightText(columns_.At(5, 10), list_.overhead);
    job_.Advance();
    job_.SetFont(200, 400, false);

    CapitalValues sums{0, 0, 0};
    const auto add = [](double& sum, double value) {
      if (value >= 0) sum += value;
    };
    for (const CapitalRecord& record : records_) {
      const CapitalValues values = record.calculate(kPrintListDistributions + k);
      if (job_.Room() < 3 * job_.h) job_.NewPage();
      job_.LabeledRow(Name(record), AllocationCells(Share(record, k), values), AllocationStops());
      job_.Advance();
      add(sums.depreciation, values.depreciation);
      add(sums.interest, values.interest);
      add(sums.overhead, values.overhead);
    }
    job_.SetWeight(700);
    job_.Label("TOTALS", job_.Cells(AllocationCells(-1, sums), AllocationStops()));
    job_.Advance();
  }

  // A label right-aligned at its column and its value `offset` a further on;
  // a value wide enough to reach the label moves the label left.
  void LabelAndValue(int column, std::string_view label, int offset, const std::string& value) {
    int labelRight = columns_.At(column, 0);
    if (!value.empty()) {
      const int valueRight = columns_.At(column, offset);
      job_.RightText(valueRight, value);
      labelRight = std::min(labelRight, valueRight - job_.TextWidth(value) - job_.a / 2);
    }
    job_.RightText(labelRight, label);
  }

  void SummaryOrDetail(bool detail) {
    job_.Advance();
    for (const CapitalRecord& record : records_) {
      if (job_.Room() < (detail ? 8 : 4) * job_.h) job_.NewPage();
      job_.SetFont(200, 700, true);
      job_.Text(job_.x0, Name(record));
      job_.Advance();
      job_.SetFont(200, 400, false);

      LabelAndValue(1, "Purchase Price:", 15, MoneyAbove(record.purchasePrice));
      LabelAndValue(2, "Salvage Value:", 15, MoneyAbove(record.salvageValue));
      LabelAndValue(3, "Useful Life:", 10,
                    record.usefulLife > 0 ? FormatInt(record.usefulLife) + " years" : "");
      LabelAndValue(4, "Interest Rate:", 10, PercentAbove(record.interestRate));
      if (!detail && HasOverhead())
        LabelAndValue(5, std::string(list_.overhead) + " Rate:", 10,
                      PercentAbove(record.overheadRate));
      job_.Advance();

      if (detail && HasOverhead()) {
        for (int column = 1; column <= 5; ++column) {
          const std::string_view label = list_.rateLabels[static_cast<std::size_t>(column - 1)];
          if (!label.empty())
            LabelAndValue(column, label, 10,
                          PercentAbove(record.rates[static_cast<std::size_t>(column - 1)]));
        }
        job_.Advance();
      }

      AnnualValues(record, detail);
      if (detail) BudgetShares(record);
      job_.Advance();
    }
  }

  void AnnualValues(const CapitalRecord& record, bool detail) {
    const CapitalValues values = record.calculate(0);
    job_.SetWeight(700);
    job_.Text(job_.x0 + 4 * columns_.a,
              detail ? "Calculated Annual Values and Allocations" : "Calculated Annual Values",
              columns_.At(3, 0) - job_.TextWidth("SL Depreciation:") - job_.a);
    if (list_.depreciation)
      LabelAndValue(3, "SL Depreciation:", 10, MoneyAbove(values.depreciation));
    LabelAndValue(4, "Interest:", 10, MoneyAbove(values.interest));
    if (HasOverhead())
      LabelAndValue(5, std::string(list_.overhead) + ":", 10, MoneyAbove(values.overhead));
    job_.SetWeight(400);
    job_.Advance();
  }

  void BudgetShares(const CapitalRecord& record) {
    int k = 0;
    for (const CCropBudget* budget = worksheet_.budgets.get(); budget && k < MAX_ALLOCATIONS;
         budget = budget->next.get(), ++k) {
      if (job_.Room() < 2 * job_.h) job_.NewPage();
      const CapitalValues values = record.calculate(kPrintListDistributions + k);
      const int begin = job_.Cells(AllocationCells(Share(record, k), values), AllocationStops());
      job_.Text(columns_.At(1, 0), BudgetColumnName(*budget, k, "Crop "),
                begin == CPrintJob::kRightEdge ? CPrintJob::kRightEdge : begin - job_.a);
      job_.Advance();
    }
  }

  CPrintJob& job_;
  const CBudgetWorksheet& worksheet_;
  const CapitalList& list_;
  const std::vector<CapitalRecord> records_;
  Columns columns_{};
};

}  // namespace

void PrintCapitalListPages(CPrintJob& job, const CBudgetWorksheet& worksheet, int flag,
                           int selector) {
  const auto* list = std::find_if(std::begin(kLists), std::end(kLists),
                                  [flag](const CapitalList& l) { return l.flag == flag; });
  if (list == std::end(kLists)) return;
  CapitalPages(job, worksheet, *list).Print(selector);
}
