#include "app/popup_menus.h"

#include <string>

#include "app/tab_view.h"
#include "platform/clipboard.h"
#include "platform/clipboard_transfer.h"
#include "platform/resource_ids.h"

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

std::string RowCommandName(int command) {
  switch (command) {
    case kCmdInsertLine: return "Insert Line";
    case kCmdAddHeading: return "Add Heading";
    case kCmdCut: return "Cut";
    case kCmdCopy: return "Copy";
    case kCmdPaste: return "Paste";
    case kCmdDelete: return "Delete";
    default: return {};
  }
}

std::vector<MenuItem> BuildRowMenu(const RowMenuTexts& texts) {
  const bool canPaste = IsClipboardFormatOffered(nullptr, texts.recordFormat) ||
                        IsClipboardFormatOffered(nullptr, kClipboardTextFormat);
  std::vector<MenuItem> menu = {{kCmdInsertLine, std::string(texts.insert), false, {}}};
  if (texts.offersHeading) menu.push_back({kCmdAddHeading, "Add Heading", false, {}});
  menu.push_back({});
  menu.push_back({kCmdCut, "Cut", false, {}});
  menu.push_back({kCmdCopy, "Copy", false, {}});
  menu.push_back({kCmdPaste, "Paste", !canPaste, {}});
  menu.push_back({});
  if (!texts.listItems.empty()) {
    menu.insert(menu.end(), texts.listItems.begin(), texts.listItems.end());
    menu.push_back({});
  }
  menu.push_back({kCmdDelete, "Delete", false, {}});
  return menu;
}
