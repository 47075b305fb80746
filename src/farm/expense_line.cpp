#include "farm/expense_line.h"

#include <array>

#include "model/grid_cells.h"
#include "model/line_chain.h"
#include "platform/app_message.h"
#include "text/money.h"
#include "text/number_parse.h"
#include "text/utf8_text.h"

const RecordMarkup<CExpenseLne>& CExpenseLne::Markup() {
  static constexpr std::array<MarkupField<CExpenseLne>, 3> kFields = {
      TextField("LABEL", &CExpenseLne::label, kExpenseLabelChars),
      RealField("TOTAL", &CExpenseLne::total, 4),
      TextField("HEADING", &CExpenseLne::label, kExpenseLabelChars).AsHeading(),
  };
  static const RecordMarkup<CExpenseLne> kMarkup{kFields, &CExpenseLne::heading};
  return kMarkup;
}

CExpenseLne::CExpenseLne() { allocation.fill(-1); }

CExpenseLne::~CExpenseLne() { DestroyChain(next); }

bool CExpenseLne::SetValue(const ListView&, int column, std::string_view text,
                           std::string* message) {
  if (column == 1) {
    label = std::string(FirstChars(text, kExpenseLabelChars));
  } else if (column == 2) {
    total = ParseReal(text, "Total Cost", message);
  } else if (column >= 3 && column < 3 + MAX_ALLOCATIONS) {
    allocation[static_cast<std::size_t>(column - 3)] = ParseReal(text, "% Distribution", message);
  } else {
    App_MessageBoxF("Invalid nCol in CExpenseLne::SetValue %d", column);
    return false;
  }
  return true;
}

double CExpenseLne::GetHeadingValue(int k) const {
  if (!heading || k < -1 || k >= MAX_ALLOCATIONS) return -1;
  double sum = 0;
  int items = 0;
  for (const CExpenseLne* line = next.get(); line && !line->heading; line = line->next.get()) {
    ++items;
    double amount = 0;
    if (k == -1) {
      if (line->total >= 0) amount = line->total;
    } else {
      const double share = line->allocation[static_cast<std::size_t>(k)];
      if (line->total >= 0 && share > 0) amount = line->total * share / 100;
    }
    if (amount > 0) sum += amount;
  }
  return items > 0 ? sum : -1;
}

double CExpenseLne::GetTotalDistribution(int budgetCount) const {
  return TotalDistribution(allocation, budgetCount);
}

void CExpenseLne::FillGridRow(GridEngine& grid, int row, const ListView& view) const {
  const int n = view.budgetCount < 0 ? 0 : view.budgetCount;
  if (heading) {
    const auto money = [this](int k) {
      const double value = GetHeadingValue(k);
      return value > 0 ? FormatMoney(value) : std::string();
    };
    PutGridCell(grid, row, 0, "*", true);
    PutGridCell(grid, row, 1, label, false);
    PutGridCell(grid, row, 2, money(-1), true);
    for (int k = 0; k < n; ++k) PutGridCell(grid, row, 3 + k, money(k), true);
    PutGridCell(grid, row, n + 3, "", true);
    return;
  }
  PutGridCell(grid, row, 0, "", false);
  PutGridCell(grid, row, 1, label, false);
  PutGridCell(grid, row, 2, total >= 0 ? FormatMoney(total) : std::string(), false);
  for (int k = 0; k < n; ++k) {
    if (k >= MAX_ALLOCATIONS) {
      PutGridCell(grid, row, 3 + k, "", true);
      continue;
    }
    const double share = allocation[static_cast<std::size_t>(k)];
    PutGridCell(grid, row, 3 + k, share >= 0 ? FormatPlain(share) + " %" : std::string(), false);
  }
  PutGridCell(grid, row, n + 3, FormatPlain(GetTotalDistribution(n)) + " %", true);
}

void CExpenseLne::GetRowText(std::string& text, const ListView& view) const {
  const int budgetCount = view.budgetCount;
  text += label;
  if (heading) {
    for (int k = -1; k < budgetCount; ++k) {
      text += '\t';
      const double value = GetHeadingValue(k);
      if (value > 0) text += FormatMoney(value);
    }
    return;
  }
  text += '\t';
  if (total >= 0) text += FormatMoney(total);
  for (int k = 0; k < budgetCount; ++k) {
    text += '\t';
    if (k < MAX_ALLOCATIONS && allocation[static_cast<std::size_t>(k)] >= 0) {
      text += FormatPlain(allocation[static_cast<std::size_t>(k)]) + " %";
    }
  }
}
