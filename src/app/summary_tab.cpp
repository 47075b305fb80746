#include "app/summary_tab.h"

#include "app/app_ids.h"
#include "document/worksheet.h"
#include "grid/grid_engine.h"
#include "platform/dialog.h"

void ShowSummaryFields(const CBudgetWorksheet& document, Dialog& window) {
  window.SetItemText(kIdcLabelId, "Name");
  window.SetItemText(kIdcLabelTitle, "Phone");
  window.SetItemLimit(kIdcEditTitle, static_cast<int>(kDocumentPhoneChars));
  window.SetItemLimit(kIdcEditAddress, static_cast<int>(kDocumentAddressChars));
  window.SetItemText(kFieldName, document.name);
  window.SetItemText(kFieldPhone, document.phone);
  window.SetItemText(kFieldAddress, document.address);
}

// TODO: the whole-farm and operating cost summaries; until they exist the
// summary grid stays empty.
void FillSummaryGrid(CBudgetWorksheet&, GridEngine& grid, bool, bool) {
  grid.SendMessage(GM_CLEAR);
  grid.SendMessage(GM_SETDIMENSIONS, 0, 5);
}
