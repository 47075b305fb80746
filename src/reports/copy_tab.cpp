#include "document/worksheet.h"
#include "platform/app_message.h"
#include "platform/clipboard.h"
#include "reports/budget_text.h"
#include "reports/clipboard_copy.h"
#include "reports/summary_text.h"

namespace {

std::vector<ClipboardRendering> SummaryCopy(CBudgetWorksheet& worksheet) {
  SummaryRenderings summary = RenderSummary(worksheet);
  std::vector<ClipboardRendering> renderings;
  renderings.push_back({kClipboardRtfFormat, std::move(summary.rtf)});
  renderings.push_back({kClipboardTextFormat, std::move(summary.text)});
  return renderings;
}

}  // namespace

// The summary as Rich Text first, then as text; a budget as text alone.
bool CBudgetWorksheet::CopyTabToClipboard(PlatformWindow* owner, int tab) {
  if (tab == 0) return CopyToClipboard(owner, [this] { return std::optional(SummaryCopy(*this)); });
  return CopyTextToClipboard(owner, [this, tab]() -> std::optional<std::string> {
    CCropBudget* budget = tab >= 1 ? GetBudget(tab - 1) : nullptr;
    if (!budget) {
      App_MessageBox("NULL pBudget pointer in CBudgetWorksheet::CopyTabToClipboard");
      return std::nullopt;
    }
    return RenderBudgetText(*budget);
  });
}
