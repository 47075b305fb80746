#include "farm/expense_line.h"

#include "platform/clipboard_transfer.h"
#include "text/number_parse.h"
#include "text/tag_buffer.h"
#include "text/tag_reader.h"
#include "text/tag_writer.h"
#include "model/grid_cells.h"
#include "model/line_chain.h"
#include "text/money.h"
#include "platform/app_message.h"

CExpenseLne::CExpenseLne() { allocation.fill(-1); }

CExpenseLne::~CExpenseLne() { DestroyChain(next); }

bool CExpenseLne::SetValue(int column, std::string_view text, std::string* message) {
  if (column == 1) {
    label = std::string(text.substr(0, kExpenseLabelChars));
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
  double sum = 0;
  for (int k = 0; k < SlotsInUse(budgetCount); ++k) {
    if (allocation[static_cast<std::size_t>(k)] > 0) sum += allocation[static_cast<std::size_t>(k)];
  }
  return sum;
}

void CExpenseLne::FillGridRow(GridEngine& grid, int row, int budgetCount) const {
  const int n = budgetCount < 0 ? 0 : budgetCount;
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

void CExpenseLne::GetRowText(std::string& text, int budgetCount) const {
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

void CExpenseLne::WriteTags(CTagBuffer& buffer, std::string_view element, int budgetCount) const {
  AppendOpenTag(buffer, element);
  if (heading) {
    AppendTextElement(buffer, "\t", "HEADING", label);
  } else {
    AppendTextElement(buffer, "\t", "LABEL", label);
    AppendRealElement(buffer, "\t", "TOTAL", total, 4);
    for (int k = 0; k < SlotsInUse(budgetCount); ++k) {
      AppendRealElement(buffer, "\t\t", "ALLOCATION", allocation[static_cast<std::size_t>(k)], 2);
    }
  }
  AppendCloseTag(buffer, element);
}

// Successive ALLOCATION elements fill slots from 0; the first gap ends them.
void ReadAllocationSlots(AllocationSlots& slots, std::string_view text, std::size_t start,
                         std::size_t end) {
  CTagElement found;
  std::size_t from = start;
  for (std::size_t k = 0; k < slots.size(); ++k) {
    if (!FindElement("ALLOCATION", text, from, end, &found)) break;
    ReadReal("ALLOCATION", text, from, end, &slots[k]);
    from = found.contentEnd;
  }
}

void CExpenseLne::ReadTags(std::string_view text, std::size_t start, std::size_t end) {
  const TagIndex index(text, start, end);
  CTagElement found;
  if (index.FindElement("HEADING", &found)) {
    heading = 1;
    index.ReadText("HEADING", &label, kExpenseLabelChars);
    return;
  }
  index.ReadText("LABEL", &label, kExpenseLabelChars);
  index.ReadReal("TOTAL", &total);
  ReadAllocationSlots(allocation, text, start, end);
}

bool CExpenseLne::CopyToClipboard(PlatformWindow* window, int budgetCount) const {
  CTagBuffer element;
  element.Reserve(kExpenseClipboardBytes);
  WriteTags(element, "EXPENSELINE", budgetCount);
  std::string row;
  GetRowText(row, budgetCount);
  if (element.View().size() > kExpenseClipboardBytes || row.size() >= kExpenseClipboardBytes) {
    return false;
  }
  return CopyRecordToClipboard(window, element.View(), row, kFormatExpense);
}

bool CExpenseLne::PasteFromClipboard(PlatformWindow* window) {
  std::string data;
  std::size_t size = 0;
  if (!FetchClipboardData(window, &data, kExpenseClipboardBytes, &size, kFormatExpense)) {
    return false;
  }
  ReadTags(data, 0, data.size());
  return true;
}
