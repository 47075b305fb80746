// The veterinary cost calculator (template 137).
#include "app/app_resources.h"
#include "app/list_windows.h"
#include "farm/veterinary_list.h"
#include "model/budget_line.h"
#include "platform/resource_ids.h"
#include "reports/print_report.h"
#include "reports/whole_farm_text.h"

namespace {

constexpr int kSources[] = {kSourceVeterinary};

std::string RenderText(const CBudgetWorksheet& worksheet, int) {
  return RenderVeterinaryText(worksheet);
}

}  // namespace

const ListWindow kVeterinaryWindow = {
    .request = kDialogVeterinary,
    .menuCommand = kCmdVeterinary,
    .sources = kSources,
    .exportName = "veterinary",
    .dialogTemplate = VeterinaryDialogTemplate,
    .gridId = kIdcListGrid,
    .insertMenuText = "Insert New Line",
    .offersHeadings = true,
    .copyMenuText = "Copy Veterinary Costs to Clipboard",
    .printMenuText = "Print Veterinary Costs",
    .printFlag = kPrintVeterinary,
    .makeGrid = MakeVeterinaryGrid,
    .renderText = RenderText,
};
