#include "app/summary_tab.h"

#include "platform/resource_ids.h"
#include "document/worksheet.h"
#include "grid/grid_engine.h"
#include "platform/dialog.h"
#include "reports/summary_grid.h"

void ShowSummaryFields(const CBudgetWorksheet& document, Dialog& window) {
  window.SetItemText(kIdcLabelId, "Name");
  window.SetItemText(kIdcLabelTitle, "Phone");
  window.SetItemLimit(kIdcEditTitleOrPhone, static_cast<int>(kDocumentPhoneChars));
  window.SetItemLimit(kIdcEditAddress, static_cast<int>(kDocumentAddressChars));
  window.SetItemText(kIdcEditIdOrName, document.name);
  window.SetItemText(kIdcEditTitleOrPhone, document.phone);
  window.SetItemText(kIdcEditAddress, document.address);
}

void FillSummaryGrid(CBudgetWorksheet& document, GridEngine& grid, bool operatingCosts) {
  if (operatingCosts) {
    FillOperatingCostSummary(document, grid);
  } else {
    FillWholeFarmSummary(document, grid);
  }
}
