// The machinery and the buildings windows (template 120): a tab strip over one
// grid, and the overhead boxes beside the rate column.
#include <string>

#include "app/app_resources.h"
#include "app/list_windows.h"
#include "app/tabbed_window_layout.h"
#include "document/worksheet.h"
#include "farm/machine_lists.h"
#include "model/budget_line.h"
#include "platform/resource_ids.h"
#include "reports/capital_list_text.h"
#include "reports/print_report.h"

int g_MachineTab = 0;

namespace {

constexpr int kBoxes[] = {kIdcOverheadEdit1, kIdcOverheadEdit2, kIdcOverheadEdit3,
                          kIdcOverheadEdit4, kIdcOverheadEdit5};
constexpr int kLabels[] = {kIdcOverheadLabel1, kIdcOverheadLabel2, kIdcOverheadLabel3,
                           kIdcOverheadLabel4, kIdcOverheadLabel5};

void Layout(Dialog& dialog) { LayOutTabbedWindow(dialog, {13, 10, kBoxes, kLabels}); }

// The second and fourth boxes change their names with the list.
constexpr SideBox kMachineryBoxes[] = {
    {kIdcOverheadLabel1, kIdcOverheadEdit1, "Taxes"},
    {kIdcOverheadLabel2, kIdcOverheadEdit2, "Housing"},
    {kIdcOverheadLabel3, kIdcOverheadEdit3, "Insurance"},
    {kIdcOverheadLabel4, kIdcOverheadEdit4, "Licenses"},
    {kIdcOverheadLabel5, kIdcOverheadEdit5, "Miscellaneous"}};
constexpr SideBox kBuildingsBoxes[] = {
    {kIdcOverheadLabel1, kIdcOverheadEdit1, "Taxes"},
    {kIdcOverheadLabel2, kIdcOverheadEdit2, "Repairs"},
    {kIdcOverheadLabel3, kIdcOverheadEdit3, "Insurance"},
    {kIdcOverheadLabel4, kIdcOverheadEdit4, "Miscellaneous"},
    {kIdcOverheadLabel5, kIdcOverheadEdit5, ""}};

constexpr int kMachinerySources[] = {kSourceMachine};
constexpr int kBuildingsSources[] = {kSourceBuilding};

}  // namespace

const ListWindow kMachineryWindow = {
    .request = kDialogMachine,
    .menuCommand = kCmdMachinery,
    .sources = kMachinerySources,
    .opensBudgetTab = true,
    .exportName = "machinery",
    .dialogTemplate = MachineDialogTemplate,
    .gridId = kIdcCapitalGrid,
    .caption = "Calculated Machinery and Equipment Values for Farm/Ranch Enterprises",
    .instructions =
        "First, starting on the 'Machinery' tab, enter a name and appropriate input values for "
        "each machine.\nSecond, enter a percentage distribution to each livestock budget for each "
        "machine on the 'Distribution by Budget' tab.\nThird, copy the calculated values to the "
        "livestock budgets by clicking the 'Copy Values to All Livestock Worksheets' button found "
        "on the 'Distribution by Budget' tab after first checking the values for each livestock "
        "enterprise. Click on the individual livestock budget values tab to check calculated "
        "values. Values copied to budget worksheets will appear in a blue colored font.",
    .overDistributedMessage =
        "Total distributions over 100%.\n\nPlease correct crop distributions so that the total "
        "for each line is no more than 100%.",
    .insertMenuText = "Insert New Machine",
    .copyMenuText = "Copy Machines to Clipboard",
    .printMenu = [](int tab) {
      return ViewPrintMenu(tab, "Print Machinery Summary", "Print Machinery Detail");
    },
    .printFlag = kPrintMachinery,
    .printsViews = true,
    .rowMenuEverywhere = true,
    .makeGrid = [](FarmScope farm) { return MakeMachineGrid(farm, kMachineryList); },
    .renderText = [](const CBudgetWorksheet& worksheet, int tab) {
      return RenderMachineText(worksheet, kMachinery, tab);
    },
    .tabStripId = kIdcCapitalTabs,
    .tabLabels = [](const CBudgetWorksheet& worksheet) { return InputDistributionValuesTabs(worksheet, "Machinery"); },
    .rememberedTab = &g_MachineTab,
    .buttonTab = 1,
    .staysOpenAfterHandOver = true,
    .sideBoxes = kMachineryBoxes,
    .sideBoxInstructions =
        "\n\n\n* The THILM rate is the sum of the individual percentages entered by the user. The "
        "THILM rate is multiplied by the average level of investment to calculate an annual THILM "
        "value.",
    .layout = Layout,
};

const ListWindow kBuildingsWindow = {
    .request = kDialogBuildings,
    .menuCommand = kCmdBuildings,
    .sources = kBuildingsSources,
    .opensBudgetTab = true,
    .exportName = "buildings",
    .dialogTemplate = MachineDialogTemplate,
    .gridId = kIdcCapitalGrid,
    .caption = "Calculated Building and Facility Values for Farm/Ranch Enterprises",
    .instructions =
        "First, starting on the 'Buildings/Facilities' tab, enter a name and appropriate input "
        "values for each building/facility.\nSecond, enter a percentage distribution to each "
        "livestock budget for each building/facility on the 'Distribution by Budget' tab.\nThird, "
        "copy the calculated values to the livestock budgets by clicking the 'Copy Values to All "
        "Livestock Worksheets' button found on the 'Distribution by Budget' tab after first "
        "checking the values for each livestock enterprise. Click on the individual livestock "
        "budget values tab to check calculated values. Values copied to budget worksheets will "
        "appear in a blue colored font.",
    .overDistributedMessage =
        "Total distributions over 100%.\n\nPlease correct crop distributions so that the total "
        "for each line is no more than 100%.",
    .insertMenuText = "Insert New Building/Facility",
    .copyMenuText = "Copy Buildings/Facilities to Clipboard",
    .printMenu = [](int tab) {
      return ViewPrintMenu(tab, "Print Building/Facility Summary", "Print Building/Facility Detail");
    },
    .printFlag = kPrintBuildings,
    .printsViews = true,
    .rowMenuEverywhere = true,
    .makeGrid = [](FarmScope farm) { return MakeMachineGrid(farm, kBuildingsList); },
    .renderText = [](const CBudgetWorksheet& worksheet, int tab) {
      return RenderMachineText(worksheet, kBuildings, tab);
    },
    .tabStripId = kIdcCapitalTabs,
    .tabLabels = [](const CBudgetWorksheet& worksheet) {
      return InputDistributionValuesTabs(worksheet, "Buildings/Facilities");
    },
    .rememberedTab = &g_MachineTab,
    .buttonTab = 1,
    .staysOpenAfterHandOver = true,
    .sideBoxes = kBuildingsBoxes,
    .sideBoxInstructions =
        "\n\n\n* The TRIM rate is the sum of the individual percentages entered by the user. The "
        "TRIM rate is multiplied by the average level of investment to calculate an annual TRIM "
        "value.",
    .layout = Layout,
};
