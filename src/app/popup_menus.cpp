#include "app/popup_menus.h"

#include "platform/resource_ids.h"
#include "app/tab_view.h"
#include "platform/clipboard_transfer.h"
#include "model/crop_budget.h"
#include "platform/clipboard.h"

void BuildTabMenu(std::vector<MenuItem>& menu, int tab) {
  menu = {
      {kCmdInsertTab, "Insert New Livestock Tab", false, {}},
      {kCmdImport, "Import Livestock Data From File...", false, {}},
      {},
      {kCmdCopyTab, "Copy Current Tab to Clipboard", false, {}},
      {kCmdPrintTab, "Print Current Tab", false, {}},
      {},
      {kCmdDeleteTab, "Delete current tab", tab == kSummaryTab, {}},
  };
}

void BuildRowMenu(std::vector<MenuItem>& menu) {
  const bool canPaste = IsClipboardFormatOffered(nullptr, kFormatBudgetLine) ||
                        IsClipboardFormatOffered(nullptr, kClipboardTextFormat);
  menu = {
      {kCmdInsertLine, "Insert New Line", false, {}},
      {kCmdAddHeading, "Add Heading", false, {}},
      {},
      {kCmdCut, "Cut", false, {}},
      {kCmdCopy, "Copy", false, {}},
      {kCmdPaste, "Paste", !canPaste, {}},
      {},
      {kCmdDelete, "Delete", false, {}},
  };
}
