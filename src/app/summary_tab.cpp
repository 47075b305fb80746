#include "app/summary_tab.h"

#include "platform/resource_ids.h"
#include "document/worksheet.h"
#include "grid/grid_engine.h"
#include "platform/dialog.h"

void ShowSummaryFields(const CBudgetWorksheet& document, Dialog& window) {
  window.SetItemText(kIdcLabelId, "Name");
  window.SetItemText(kIdcLabelTitle, "Phone");
  window.SetItemLimit(kIdcEditTitleOrPhone, static_cast<int>(kDocumentPhoneChars));
  window.SetItemLimit(kIdcEditAddress, static_cast<int>(kDocumentAddressChars));
  window.SetItemText(kIdcEditIdOrName, document.name);
  window.SetItemText(kIdcEditTitleOrPhone, document.phone);
  window.SetItemText(kIdcEditAddress, document.address);
}

// TODO: the whole-farm and operating cost summaries; until they exist the
// summary grid stays empty.
void FillSummaryGrid(CBudgetWorksheet&, GridEngine& grid, bool, bool) {
  grid.SendMessage(GM_CLEAR);
  grid.SendMessage(GM_SETDIMENSIONS, 0, 5);
}
