#include "farm/veterinary_cost.h"

#include <array>

#include "model/grid_cells.h"
#include "model/line_chain.h"
#include "platform/app_message.h"
#include "text/money.h"
#include "text/number_parse.h"
#include "text/utf8_text.h"

const RecordMarkup<CVeterinaryCost>& CVeterinaryCost::Markup() {
  static constexpr std::array<MarkupField<CVeterinaryCost>, 4> kFields = {
      TextField("LABEL", &CVeterinaryCost::label, kVeterinaryLabelChars),
      TextField("UNITS", &CVeterinaryCost::units, kVeterinaryUnitsChars),
      RealField("COST", &CVeterinaryCost::cost, 4),
      TextField("HEADING", &CVeterinaryCost::label, kVeterinaryLabelChars).AsHeading(),
  };
  static const RecordMarkup<CVeterinaryCost> kMarkup{kFields, &CVeterinaryCost::heading};
  return kMarkup;
}

CVeterinaryCost::CVeterinaryCost() { allocation.fill(-1); }

CVeterinaryCost::~CVeterinaryCost() { DestroyChain(next); }

bool CVeterinaryCost::SetValue(const ListView&, int column, std::string_view text,
                               std::string* message) {
  if (column == 1) {
    label = std::string(FirstChars(text, kVeterinaryLabelChars));
  } else if (column == 2) {
    units = std::string(FirstChars(text, kVeterinaryUnitsChars));
  } else if (column == 3) {
    cost = ParseReal(text, "Cost", message);
  } else if (column >= 4 && column < 4 + MAX_ALLOCATIONS) {
    allocation[static_cast<std::size_t>(column - 4)] =
        ParseReal(text, "# Treatments or Units", message);
  } else {
    App_MessageBoxF("Invalid nCol in CVeterinaryCost::SetValue %d", column);
    return false;
  }
  return true;
}

double CVeterinaryCost::GetBudgetCost(int k) const {
  if (k < 0 || k >= MAX_ALLOCATIONS) return -1;
  const double count = allocation[static_cast<std::size_t>(k)];
  if (cost >= 0 && count >= 0) return cost * count;
  return -1;
}

double CVeterinaryCost::GetHeadingValue(int k) const {
  if (!heading || k < 0 || k >= MAX_ALLOCATIONS) return -1;
  double sum = 0;
  int items = 0;
  for (const CVeterinaryCost* line = next.get(); line && !line->heading;
       line = line->next.get()) {
    ++items;
    const double amount = line->GetBudgetCost(k);
    if (amount > 0) sum += amount;
  }
  return items > 0 ? sum : -1;
}

double VeterinaryTotal(const CVeterinaryCost* list, int k) {
  double sum = 0;
  for (; list; list = list->next.get()) {
    if (list->heading) continue;
    const double amount = list->GetBudgetCost(k);
    if (amount > 0) sum += amount;
  }
  return sum;
}

void CVeterinaryCost::FillGridRow(GridEngine& grid, int row, const ListView& view) const {
  const int n = view.budgetCount < 0 ? 0 : view.budgetCount;
  const auto money = [](double value, bool positive) {
    return (positive ? value > 0 : value >= 0) ? FormatMoney(value) : std::string();
  };
  if (heading) {
    PutGridCell(grid, row, 0, "*", true);
    PutGridCell(grid, row, 1, label, false);
    for (int col = 2; col < n + 4; ++col) PutGridCell(grid, row, col, "", true);
    for (int k = 0; k < n; ++k) {
      PutGridCell(grid, row, 4 + n + k, money(GetHeadingValue(k), true), true);
    }
    return;
  }
  PutGridCell(grid, row, 0, "", false);
  PutGridCell(grid, row, 1, label, false);
  PutGridCell(grid, row, 2, units, false);
  PutGridCell(grid, row, 3, money(cost, false), false);
  for (int k = 0; k < n; ++k) {
    const bool hasSlot = k < MAX_ALLOCATIONS;
    const double count = hasSlot ? allocation[static_cast<std::size_t>(k)] : -1;
    PutGridCell(grid, row, 4 + k, count >= 0 ? FormatPlain(count) : std::string(), !hasSlot);
    PutGridCell(grid, row, 4 + n + k, money(GetBudgetCost(k), false), true);
  }
}

void CVeterinaryCost::GetRowText(std::string& text, const ListView& view) const {
  const int budgetCount = view.budgetCount;
  text += label;
  if (heading) {
    text += "\t\t\t";
    for (int k = 0; k < budgetCount; ++k) text += '\t';
    for (int k = 0; k < budgetCount; ++k) {
      const double value = GetHeadingValue(k);
      if (value > 0) text += FormatMoney(value);
      text += '\t';
    }
    text += "\t\n";
    return;
  }
  text += '\t';
  text += units;
  text += '\t';
  if (cost >= 0) text += FormatMoney(cost);
  for (int k = 0; k < budgetCount; ++k) {
    text += '\t';
    if (k < MAX_ALLOCATIONS && allocation[static_cast<std::size_t>(k)] >= 0) {
      text += FormatPlain(allocation[static_cast<std::size_t>(k)]);
    }
  }
  for (int k = 0; k < budgetCount; ++k) {
    text += '\t';
    const double amount = GetBudgetCost(k);
    if (amount >= 0) text += FormatMoney(amount);
  }
  text += "\r\n";
}
