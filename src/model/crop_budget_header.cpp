// The budget's header in the main window's edits, and its tab's label.
#include <array>

#include "text/number_text.h"
#include "model/crop_budget.h"
#include "platform/dialog.h"

namespace {

constexpr int kTabStrip = 1062;
constexpr int kLabelId = 1083;
constexpr int kLabelTitle = 1080;
constexpr int kLabelFootnote = 1082;
constexpr int kEditAddress = 1073;
constexpr int kAddressChars = 150;
constexpr int kNumberOfUnitsChars = 15;

constexpr std::array<std::string_view, 5> kHerdUnits = {"Cow", "Lamb", "Head", "Heifer", "Steer"};

}  // namespace

void CCropBudget::ShowHeader(Dialog& mainWindow, int tabIndex, bool labelOnly) const {
  mainWindow.SetItemText(kLabelId, "Budget / Publication ID");
  mainWindow.SetItemText(kLabelTitle, "Title");
  mainWindow.SetItemText(kLabelFootnote, "Footnote");

  mainWindow.SetItemLimit(kIdcEditTitleOrPhone, static_cast<int>(kBudgetTitleChars));
  mainWindow.SetItemLimit(kIdcEditFootnote, static_cast<int>(kBudgetFootnoteChars));
  mainWindow.SetItemLimit(kEditAddress, kAddressChars);
  mainWindow.SetItemLimit(kIdcEditUnits, kNumberOfUnitsChars);

  mainWindow.SetItemLimit(kIdcComboHerdUnit, static_cast<int>(kHerdUnitChars));
  // Emptying the list empties the box's text too, which only a full display puts back.
  if (!labelOnly) {
    mainWindow.ResetItems(kIdcComboHerdUnit);
    for (std::string_view unit : kHerdUnits) mainWindow.AddItemString(kIdcComboHerdUnit, unit);
  }

  if (tabIndex >= 0 && tabIndex < mainWindow.CountTabs(kTabStrip)) {
    mainWindow.SetTabLabel(kTabStrip, tabIndex, GetFieldText(kIdcEditIdOrName));
  }
  if (labelOnly) return;

  mainWindow.SetItemText(kIdcEditIdOrName, publicationId);
  mainWindow.SetItemText(kIdcEditTitleOrPhone, title);
  mainWindow.SetItemText(kIdcEditFootnote, footnote);
  mainWindow.SetItemText(kIdcComboHerdUnit, herdUnitName);
  mainWindow.SetItemText(kIdcEditUnits, numUnits < 0 ? std::string() : FormatInt(numUnits));
}
