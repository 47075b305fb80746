// The purchased and the retained livestock windows (template 120, without the
// overhead boxes).
#include <string>

#include "app/app_resources.h"
#include "app/list_windows.h"
#include "app/tabbed_window_layout.h"
#include "farm/livestock_lists.h"
#include "model/budget_line.h"
#include "platform/resource_ids.h"
#include "reports/capital_list_text.h"
#include "reports/print_report.h"

int g_LivestockTab = 0;

namespace {

void Layout(Dialog& dialog) { LayOutTabbedWindow(dialog, {16, 14, {}, {}}); }

// The purchased window's text; the retained window's says 'Retained Livestock'.
std::string Instructions(std::string_view list) {
  return "First, starting on the '" + std::string(list) +
         "' tab, enter a name and appropriate input values for each animal or group of "
         "animals.\nSecond, enter a percentage distribution to each livestock budget for each "
         "animal or group of animals on the 'Distribution by Budget' tab.\nThird, copy the "
         "calculated values to the livestock budgets by clicking the 'Copy Values to All "
         "Livestock Worksheets'\nbutton found on the 'Distribution by Budget' tab after first "
         "checking the values for each livestock budget. Click on the individual livestock budget "
         "Values tabs to check calculated values. Values copied to livestock budget worksheets "
         "will appear in a blue colored font.";
}

const std::string kPurchasedInstructions = Instructions("Purchased Livestock");
const std::string kRetainedInstructions = Instructions("Retained Livestock");

constexpr int kPurchasedSources[] = {kSourcePurchasedLivestock};
constexpr int kRetainedSources[] = {kSourceRetainedLivestock};

}  // namespace

const ListWindow kPurchasedLivestockWindow = {
    .request = kDialogPurchasedLivestock,
    .menuCommand = kCmdPurchasedLivestock,
    .sources = kPurchasedSources,
    .opensBudgetTab = true,
    .exportName = "purchased",
    .dialogTemplate = MachineDialogTemplate,
    .gridId = kIdcCapitalGrid,
    .caption = "Purchased Livestock Investment",
    .instructions = kPurchasedInstructions,
    .insertMenuText = "Insert New Livestock Investment",
    .copyMenuText = "Copy Livestock Investment to Clipboard",
    .printMenu = [](int tab) {
      return ViewPrintMenu(tab, "Print Purchased Livestock Summary", "Print Purchased Livestock Detail");
    },
    .printFlag = kPrintPurchasedLivestock,
    .printsViews = true,
    .rowMenuEverywhere = true,
    .makeGrid = [](FarmScope farm) { return MakeLivestockGrid(farm, kPurchasedLivestockList); },
    .renderText = [](const CBudgetWorksheet& worksheet, int tab) {
      return RenderLivestockText(worksheet, kPurchasedLivestock, tab);
    },
    .tabStripId = kIdcCapitalTabs,
    .tabLabels = [](const CBudgetWorksheet& worksheet) {
      return InputDistributionValuesTabs(worksheet, "Purchased Livestock");
    },
    .rememberedTab = &g_LivestockTab,
    .buttonTab = 1,
    .staysOpenAfterHandOver = true,
    .layout = Layout,
};

const ListWindow kRetainedLivestockWindow = {
    .request = kDialogRetainedLivestock,
    .menuCommand = kCmdRetainedLivestock,
    .sources = kRetainedSources,
    .opensBudgetTab = true,
    .exportName = "retained",
    .dialogTemplate = MachineDialogTemplate,
    .gridId = kIdcCapitalGrid,
    .caption = "Retained Livestock Investment",
    .instructions = kRetainedInstructions,
    .insertMenuText = "Insert New Livestock Investment",
    .copyMenuText = "Copy Livestock Investment to Clipboard",
    .printMenu = [](int tab) {
      return ViewPrintMenu(tab, "Print Retained Livestock Summary", "Print Retained Livestock Detail");
    },
    .printFlag = kPrintRetainedLivestock,
    .printsViews = true,
    .rowMenuEverywhere = true,
    .makeGrid = [](FarmScope farm) { return MakeLivestockGrid(farm, kRetainedLivestockList); },
    .renderText = [](const CBudgetWorksheet& worksheet, int tab) {
      return RenderLivestockText(worksheet, kRetainedLivestock, tab);
    },
    .tabStripId = kIdcCapitalTabs,
    .tabLabels = [](const CBudgetWorksheet& worksheet) {
      return InputDistributionValuesTabs(worksheet, "Retained Livestock");
    },
    .rememberedTab = &g_LivestockTab,
    .buttonTab = 1,
    .staysOpenAfterHandOver = true,
    .layout = Layout,
};
