#include "document/worksheet.h"
#include "platform/app_message.h"
#include "reports/budget_text.h"
#include "reports/whole_farm_text.h"

bool CBudgetWorksheet::CopyTabToClipboard(PlatformWindow* owner, int tab) {
  return CopyTextToClipboard(owner, [this, tab]() -> std::optional<std::string> {
    CCropBudget* budget = tab >= 1 ? GetBudget(tab - 1) : nullptr;
    if (!budget) {
      App_MessageBox("NULL pBudget pointer in CBudgetWorksheet::CopyTabToClipboard");
      return std::nullopt;
    }
    return RenderBudgetText(*budget);
  });
}
