#include "app/app_resources.h"
#include "platform/dialog.h"
#include "platform/resource_ids.h"

namespace {

DialogTemplate BuildAnalysisWindow() {
  DialogTemplate dialog;
  dialog.id = kDialogAnalysis;
  dialog.caption = "Analysis";
  dialog.width = 320;
  dialog.height = 290;
  dialog.controls = {
      {kIdStatic, ControlKind::kLabel, "Base Crop", 7, 9, 50, 8, kStyleNone},
      {kIdcAnalysisBaseCrop, ControlKind::kEdit, "", 60, 7, 253, 12, kStyleReadOnly},
      {kIdcAnalysisYieldLabel, ControlKind::kLabel, "Yield Increment", 7, 27, 60, 8, kStyleNone},
      {kIdcAnalysisYield, ControlKind::kEdit, "", 70, 25, 30, 12, kStyleRight},
      {kIdcAnalysisYieldSpin, ControlKind::kUpDown, "", 100, 25, 10, 12, kStyleNone},
      {kIdcAnalysisPriceLabel, ControlKind::kLabel, "Price Increment", 130, 27, 60, 8,
       kStyleNone},
      {kIdcAnalysisPrice, ControlKind::kEdit, "", 193, 25, 30, 12, kStyleRight},
      {kIdcAnalysisPriceSpin, ControlKind::kUpDown, "", 223, 25, 10, 12, kStyleNone},
      {kIdcAnalysisSelectLine, ControlKind::kLabel,
       "Select budgets below to compare gross margin breakevens.", 7, 27, 300, 8, kStyleHidden},
      {kIdcAnalysisText, ControlKind::kRichEdit, "", 7, 43, 306, 160,
       kStyleMultiline | kStyleReadOnly | kStyleVScroll},
      {kIdcAnalysisHint, ControlKind::kLabel,
       "Right-click for options to print this analysis or copy the analysis to the clipboard", 7,
       207, 306, 8, kStyleNone},
  };
  for (int k = 0; k < 4; ++k) {
    const int y = 222 + 16 * k;
    dialog.controls.push_back({kIdcAlternativeLabel1 + k, ControlKind::kLabel,
                               "Alternative Crop #" + std::to_string(k + 1), 7, y + 2, 80, 8,
                               kStyleHidden});
    dialog.controls.push_back({kIdcAlternative1 + k, ControlKind::kDropList, "", 90, y, 223, 100,
                               kStyleHidden | kStyleVScroll});
  }
  // Enter and Escape hide the window.
  dialog.controls.push_back({kIdOk, ControlKind::kDefaultButton, "OK", 0, 0, 0, 0, kStyleHidden});
  dialog.controls.push_back({kIdCancel, ControlKind::kButton, "Cancel", 0, 0, 0, 0, kStyleHidden});
  return dialog;
}

}  // namespace

const DialogTemplate& AnalysisWindowTemplate() {
  static const DialogTemplate dialog = BuildAnalysisWindow();
  return dialog;
}
