#include "app/list_dialogs.h"
#include "app/whole_farm_dialog.h"
#include "platform/clipboard_transfer.h"
#include "document/worksheet.h"
#include "farm/list_row_operation.h"
#include "reports/whole_farm_text.h"

namespace {

bool HasRowLink(CBudgetWorksheet& document, int row) {
  return document.GetVeterinaryRowLink(row) != nullptr;
}

// Counts of treatments have no upper limit.
ListCellEdit EditCell(CBudgetWorksheet& document, int row, int col, std::string_view text) {
  ListCellEdit edit;
  std::unique_ptr<CVeterinaryCost>* link = document.GetVeterinaryRowLink(row);
  edit.linked = link != nullptr;
  edit.changed = link && EditListCell(*link, col, text, &edit.problem);
  return edit;
}

const WholeFarmWindow kVeterinaryWindow = {
    {},
    {},
    "NULL pParent pointer in editing Veterinary Cost grid",
    "Copy Veterinary Costs to Clipboard",
    "Print Veterinary Costs",
    kFormatVeterinary,
    &CBudgetWorksheet::SetUpVeterinaryGrid,
    &CBudgetWorksheet::FillVeterinaryGrid,
    HasRowLink,
    EditCell,
    &CBudgetWorksheet::HandleVeterinaryRowOperation,
    CopyVeterinaryToClipboard,
    &CBudgetWorksheet::SetCalculatedVeterinaryValues,
};

}  // namespace

int VeterinaryDialogProc(Dialog& dialog, const DialogEvent& event) {
  return WholeFarmDialogProc(kVeterinaryWindow, dialog, event);
}
