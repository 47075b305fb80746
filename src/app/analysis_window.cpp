#include "app/analysis_window.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>

#include "app/app_main.h"
#include "app/app_resources.h"
#include "app/app_state.h"
#include "app/document_title.h"
#include "document/worksheet.h"
#include "platform/clipboard.h"
#include "platform/platform.h"
#include "platform/resource_ids.h"
#include "reports/analysis_text.h"
#include "reports/clipboard_copy.h"
#include "reports/print_analysis.h"
#include "reports/print_job.h"

namespace {

constexpr int kSpinLow = 1;
constexpr int kSpinHigh = 99;
constexpr int kBottomMargin = 10;

// The mode the window was last laid out for; none before the first refresh.
std::optional<AnalysisMode> g_laidOutFor;

CBudgetAnalysis& Analysis() { return App_State().analysis; }

// The window's bottom edge follows the last control of the mode.
void LayOut(Dialog& window, AnalysisMode mode) {
  if (g_laidOutFor == mode) return;
  g_laidOutFor = mode;
  const bool sensitivity = mode == AnalysisMode::kSensitivity;
  window.SetCaption(sensitivity ? "Breakeven/Sensitivity Analysis"
                                : "Gross Margin Breakeven Analysis");
  for (const int id : {kIdcAnalysisYieldLabel, kIdcAnalysisYield, kIdcAnalysisYieldSpin,
                       kIdcAnalysisPriceLabel, kIdcAnalysisPrice, kIdcAnalysisPriceSpin}) {
    window.ShowItem(id, sensitivity);
  }
  window.ShowItem(kIdcAnalysisSelectLine, !sensitivity);
  for (int k = 0; k < kAlternatives; ++k) {
    window.ShowItem(kIdcAlternativeLabel1 + k, !sensitivity);
    window.ShowItem(kIdcAlternative1 + k, !sensitivity);
  }
  const int last = sensitivity ? kIdcAnalysisHint : kIdcAlternative1 + kAlternatives - 1;
  // A drop-down list's rectangle is its closed box.
  const PixelRect lastRect = window.GetItemRect(last);
  const int lastBottom =
      last == kIdcAnalysisHint ? lastRect.bottom : lastRect.top + window.GetItemRect(kIdcAnalysisBaseCrop).Height();
  PixelRect frame = window.GetItemRect(kWindowItem);
  const int border = frame.Height() - window.GetClientRect().Height();
  frame.bottom = frame.top + lastBottom + kBottomMargin + border;
  window.MoveItem(kWindowItem, frame);
}

void FillAlternativeLists(Dialog& window, CBudgetWorksheet& worksheet) {
  CBudgetAnalysis& analysis = Analysis();
  analysis.ForgetMissingAlternatives(worksheet.CountBudgets());
  for (int k = 0; k < kAlternatives; ++k) {
    const int id = kIdcAlternative1 + k;
    window.ResetItems(id);
    window.AddItemString(id, "<No budget selected>");
    for (const CCropBudget* budget = worksheet.budgets.get(); budget; budget = budget->next.get())
      window.AddItemString(id, budget->GetDisplayName());
    window.SetItemSelection(id, analysis.alternatives[static_cast<std::size_t>(k)] + 1);
  }
}

void Refresh(Dialog& window) {
  CBudgetAnalysis& analysis = Analysis();
  CBudgetWorksheet& worksheet = App_Document();
  LayOut(window, analysis.mode);
  FillAlternativeLists(window, worksheet);
  window.SetItemText(kIdcAnalysisBaseCrop,
                     analysis.base ? analysis.base->GetDisplayName() : "No crop tab selected");
  analysis.Calculate(worksheet);
  window.SetItemText(kIdcAnalysisText, RenderAnalysisRtf(analysis));
}

void SetBudget(Dialog& window, const CCropBudget* budget) {
  Analysis().base = budget;
  Refresh(window);
}

// The window's commands: the two modes, set-budget, the increments, the
// alternatives.
void Command(Dialog& window, int command, const CCropBudget* budget) {
  if (command == kCmdBreakeven || command == kCmdSensitivity) {
    Analysis().mode = command == kCmdSensitivity ? AnalysisMode::kSensitivity
                                                  : AnalysisMode::kGrossMargin;
  }
  SetBudget(window, budget);
}

// An unsigned whole number becomes the increment; anything else keeps it.
void IncrementTyped(Dialog& window, int id) {
  const std::string text = window.GetItemText(id);
  unsigned value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc() && end == text.data() + text.size() && !text.empty() &&
      value <= static_cast<unsigned>(std::numeric_limits<int>::max())) {
    (id == kIdcAnalysisYield ? Analysis().yieldIncrement : Analysis().priceIncrement) =
        static_cast<int>(value);
  }
  Refresh(window);
}

void CopyAnalysis(Dialog& window) {
  const CBudgetAnalysis& analysis = Analysis();
  CopyToClipboard(&window, [&analysis] {
    return std::optional(std::vector<ClipboardRendering>{
        {kClipboardRtfFormat, RenderAnalysisRtf(analysis)},
        {kClipboardTextFormat, AnalysisPlainText(analysis)}});
  });
}

void PrintTheAnalysis(Dialog& window) {
  CPrintJob job({GetDocumentFileName(), GetDocumentDate()});
  PrintAnalysis(job, &window, Analysis());
}

void ShowMenu(Dialog& window) {
  const bool refused = !Analysis().message.empty();
  std::vector<MenuItem>& menu = App_State().popupMenu;
  menu = {{kCmdCopyAnalysis, "Copy to Clipboard", refused, {}},
          {kCmdPrintAnalysis, "Print Analysis", refused, {}}};
  int x = 0;
  int y = 0;
  App_Platform().CursorPosition(&x, &y);
  window.TrackPopupMenu(menu, x, y);
}

bool OnCommand(Dialog& window, const DialogEvent& event) {
  if (event.id == kIdcAnalysisYield || event.id == kIdcAnalysisPrice) {
    if (event.code != kNotifyEditUpdate) return false;
    IncrementTyped(window, event.id);
    return true;
  }
  if (event.id >= kIdcAlternative1 && event.id < kIdcAlternative1 + kAlternatives) {
    if (event.code != kNotifySelChange) return false;
    Analysis().alternatives[static_cast<std::size_t>(event.id - kIdcAlternative1)] =
        window.GetItemSelection(event.id) - 1;
    Refresh(window);
    return true;
  }
  if (event.code != kNotifyClicked) return false;
  switch (event.id) {
    case kIdOk:
    case kIdCancel:
      window.ShowItem(kWindowItem, false);
      return true;
    case kCmdCopyAnalysis:
      if (Analysis().message.empty()) CopyAnalysis(window);
      return true;
    case kCmdPrintAnalysis:
      if (Analysis().message.empty()) PrintTheAnalysis(window);
      return true;
    default:
      return false;
  }
}

void Initialise(Dialog& window) {
  const CBudgetAnalysis& analysis = Analysis();
  const std::pair<int, int> spins[] = {{kIdcAnalysisYieldSpin, analysis.yieldIncrement},
                                       {kIdcAnalysisPriceSpin, analysis.priceIncrement}};
  window.SetItemText(kIdcAnalysisYield, std::to_string(analysis.yieldIncrement));
  window.SetItemText(kIdcAnalysisPrice, std::to_string(analysis.priceIncrement));
  for (const auto& [spin, position] : spins) {
    window.SetUpDownRange(spin, kSpinLow, kSpinHigh);
    window.SetUpDownPosition(spin, std::clamp(position, kSpinLow, kSpinHigh));
  }
  g_laidOutFor.reset();
}

int AnalysisDlgProc(Dialog& window, const DialogEvent& event) {
  switch (event.kind) {
    case DialogEventKind::kInit:
      Initialise(window);
      return 1;
    case DialogEventKind::kCommand:
      return OnCommand(window, event) ? 1 : 0;
    case DialogEventKind::kContextMenu:
      ShowMenu(window);
      return 1;
    case DialogEventKind::kClose:
      window.ShowItem(kWindowItem, false);
      return 1;
    case DialogEventKind::kDestroy:
      if (App_State().analysisWindow == &window) App_State().analysisWindow = nullptr;
      return 1;
    default:
      return 0;
  }
}

}  // namespace

void ShowAnalysis(CCropBudget* budget, bool show, int command) {
  AppState& state = App_State();
  if (show && !state.analysisWindow) {
    state.analysisWindow = App_Platform().CreateModeless(AnalysisWindowTemplate(), AnalysisDlgProc,
                                                         App_GetMainWindow(), 0);
  }
  Dialog* window = state.analysisWindow;
  if (!window) return;
  Command(*window, command == 0 ? kCmdSetAnalysisBudget : command, budget);
  if (show) window->ShowItem(kWindowItem, true);
}

void CloseAnalysisWindow() {
  if (Dialog* window = App_State().analysisWindow) window->EndDialog(0);
  App_State().analysisWindow = nullptr;
}
