#include "document/clipboard_transfer.h"
#include "document/worksheet.h"
#include "platform/app_message.h"
#include "platform/platform.h"
#include "reports/budget_text.h"

bool CBudgetWorksheet::CopyTabToClipboard(PlatformWindow* owner, int tab) {
  Clipboard& clipboard = App_Platform().GetClipboard();
  if (!clipboard.Open(owner)) return false;
  clipboard.Empty();
  CCropBudget* budget = tab >= 1 ? GetBudget(tab - 1) : nullptr;
  if (!budget) {
    App_MessageBox("NULL pBudget pointer in CBudgetWorksheet::CopyTabToClipboard");
    clipboard.Close();
    return false;
  }
  const bool placed = clipboard.Put(kClipboardTextFormat, RenderBudgetText(*budget));
  clipboard.Close();
  return placed;
}
