// Right-click row commands, the clipboard form of a line and the clipboard transfer under it.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "budget_fixture.h"
#include "platform/clipboard_transfer.h"

namespace {

class BudgetRows : public BudgetFixture {
 protected:
  void SetUp() override {
    budget.numUnits = 10;
    Add(kSectionReturns, "Calves", kKindQuantity, 15, 9, 5.5);
    Add(kSectionOperating, "Hay", kKindQuantity, 8, 20, 3);
  }
  // Rows: 2 Calves, 3 Returns new-item, 6 Hay, 7 Operating new-item, 11 Ownership new-item.
  int Run(int command, int row, int col = 1) {
    budget.FillGrid(grid);
    grid.SendMessage(GM_SETCURSOR, row, col);
    return budget.HandleRowOperation(command, grid);
  }
  void Offer(std::string_view format, std::string_view bytes) {
    MemoryClipboard& clipboard = platform.Memory();
    clipboard.Open(nullptr);
    clipboard.Empty();
    if (!format.empty()) clipboard.Put(format, bytes);
    clipboard.Close();
  }
  std::string Clip(std::string_view format) {
    const auto it = platform.Memory().Contents().find(format);
    return it == platform.Memory().Contents().end() ? "(none)" : it->second;
  }
};

using ClipboardTransfer = BudgetFixture;

TEST_F(ClipboardTransfer, CopyReplacesEverythingUnlessAnotherProgramHoldsIt) {
  EXPECT_TRUE(CopyRecordToClipboard(nullptr, "0123456789", "old row", kFormatMachine));
  std::string fetched = "kept";
  std::size_t size = 99;
  EXPECT_FALSE(FetchClipboardData(nullptr, &fetched, 9, &size, kFormatMachine));
  EXPECT_EQ(fetched + std::to_string(size), "kept10") << "too large, but the size is told";
  EXPECT_TRUE(FetchClipboardData(nullptr, &fetched, 10, &size, kFormatMachine));
  EXPECT_EQ(fetched, "0123456789");

  EXPECT_TRUE(CopyRecordToClipboard(nullptr, "<A>\r\n</A>\r\n", "Hay\tton\t", kFormatBudgetLine));
  const std::map<std::string, std::string, std::less<>> copied = {
      {"text/plain", "Hay\tton\t"}, {"xml/QRN-BudgetLine", "<A>\r\n</A>\r\n"}};
  EXPECT_EQ(platform.Memory().Contents(), copied);
  EXPECT_FALSE(platform.Memory().IsOpen());
  EXPECT_FALSE(FetchClipboardData(nullptr, &fetched, 1020, &size, kFormatMachine));
  EXPECT_EQ(size, 0u);
  EXPECT_TRUE(IsClipboardFormatOffered(nullptr, kFormatBudgetLine));
  EXPECT_FALSE(IsClipboardFormatOffered(nullptr, "XML/QRN-BUDGETLINE"));

  platform.Memory().SetLocked(true);
  EXPECT_FALSE(CopyRecordToClipboard(nullptr, "<A></A>", "row", kFormatExpense));
  platform.Memory().SetLocked(false);
  EXPECT_EQ(platform.Memory().Contents(), copied);
}

TEST_F(BudgetRows, CopyAndPasteInsertAboveTheCursorRow) {
  EXPECT_EQ(Run(kCmdCopy, 6), 1);
  EXPECT_EQ(Clip(kClipboardTextFormat), "Hay\t3.00\t\t20.00\t$ 8.00\t$ 480.00\t$ 48.00");
  EXPECT_TRUE(Clip(kFormatBudgetLine).ends_with("<SECTION>Operating</SECTION></BUDGETLINE>\r\n"));
  EXPECT_EQ(Run(kCmdPaste, 2), 1);
  EXPECT_EQ(Labels(kSectionReturns), "Hay;Calves;");
  EXPECT_EQ(budget.sections[kSectionReturns]->weight, -1) << "Returns drop a pasted weight";
  EXPECT_EQ(Run(kCmdPaste, 12), 1);  // Ownership new-item row, one Returns line later
  EXPECT_EQ(budget.sections[kSectionOwnership]->weight, 3) << "cost sections keep it";
  EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(BudgetRows, CutDeleteInsertAndAddHeading) {
  EXPECT_EQ(Run(kCmdCut, 2), 1);
  EXPECT_EQ(Labels(kSectionReturns), "");
  EXPECT_NE(Clip(kFormatBudgetLine).find("<LABEL>Calves</LABEL>"), std::string::npos);
  platform.Memory().SetLocked(true);
  EXPECT_EQ(Run(kCmdCut, 5), 1);
  EXPECT_EQ(Labels(kSectionOperating), "Hay;") << "a cut that could not copy keeps the line";
  EXPECT_EQ(Run(kCmdDelete, 5), 1);
  EXPECT_EQ(Labels(kSectionOperating), "");

  budget.AppendLine(kSectionReturns).label = "Calves";
  EXPECT_EQ(Run(kCmdInsertLine, 2), 1);
  EXPECT_EQ(Labels(kSectionReturns), ";Calves;");
  EXPECT_EQ(Run(kCmdAddHeading, 7), 1);  // Operating new-item row
  EXPECT_EQ(budget.sections[kSectionOperating]->kind, kKindHeading);

  for (int row : {1, 5, 9, 13})  // headings and totals rows
    for (int command : {kCmdDelete, kCmdCut, kCmdPaste}) EXPECT_EQ(Run(command, row), 0);
  EXPECT_EQ(budget.CountLines(3), 3);
  EXPECT_EQ(platform.TakeMessages(),
            std::vector<std::string>(12, "NULL pParent pointer in CCropBudget::HandleRowOperation"));
}

TEST_F(BudgetRows, TextPastesGoIntoTheCursorCell) {
  const std::string y31(31, 'y');
  const std::tuple<std::string, int, std::string> pastes[] = {  // into column 1 of the row
      {std::string("Heifers") + '\0', 2, "Heifers;"},
      {y31, 3, "Heifers;" + y31 + ";"},      // a new line
      {std::string(32, 'z'), 2, ";" + y31 + ";"}};  // too long: nothing
  for (const auto& [clip, row, labels] : pastes) {
    Offer(kClipboardTextFormat, clip);
    EXPECT_EQ(Run(kCmdPaste, row), 1);
    EXPECT_EQ(Labels(kSectionReturns), labels);
  }
  Offer(kClipboardTextFormat, "$12.50");
  EXPECT_EQ(Run(kCmdPaste, 7, 4), 1);
  EXPECT_EQ(budget.sections[kSectionOperating]->quantity, 12.5);
  Offer({}, {});
  EXPECT_EQ(Run(kCmdPaste, 3), 1);
  EXPECT_EQ(budget.CountLines(3), 3) << "nothing on the clipboard changes nothing";
}

TEST_F(BudgetRows, OversizedOrLockedLinePastesChangeNothing) {
  Offer(kFormatBudgetLine, "<LABEL>x</LABEL>" + std::string(1005, ' '));  // 1021 bytes
  CBudgetLine line;
  EXPECT_FALSE(line.PasteFromClipboard(nullptr, kSectionReturns));
  EXPECT_EQ(Run(kCmdPaste, 2), 1);
  EXPECT_EQ(Labels(kSectionReturns), "Calves;");
  Offer(kFormatBudgetLine, "<LABEL>x</LABEL>" + std::string(1004, ' '));
  EXPECT_TRUE(line.PasteFromClipboard(nullptr, kSectionReturns));

  platform.Memory().SetLocked(true);
  EXPECT_FALSE(line.PasteFromClipboard(nullptr, kSectionReturns));
  EXPECT_FALSE(budget.sections[kSectionReturns]->CopyToClipboard(nullptr, budget, 0));
  platform.Memory().SetLocked(false);
  EXPECT_EQ(Clip(kFormatBudgetLine).substr(0, 16), "<LABEL>x</LABEL>");
}

TEST_F(BudgetRows, CalculatedRowsTurnOrdinaryWhenMovedBetweenSections) {
  budget.SetCalculated(kSectionOperating, "Veterinary Costs", 40, kSourceVeterinary, true);
  EXPECT_EQ(Run(kCmdCopy, 7), 1);
  EXPECT_EQ(Run(kCmdPaste, 7), 1);
  EXPECT_EQ(budget.sections[kSectionOperating]->next->source, kSourceVeterinary);
  EXPECT_TRUE(platform.TakeMessages().empty()) << "kept in its own section";

  EXPECT_EQ(Run(kCmdPaste, 13), 1);
  EXPECT_EQ(platform.TakeMessages(),
            std::vector<std::string>{
                "You are moving a calculated (blue) row between sections.\n\nThis new row will be "
                "converted to a normal editable row, and will no longer be updated by "
                "distributions."});
  budget.FillGrid(grid);
  EXPECT_EQ(Row(13), "|Veterinary Costs|||||$ 40.00|$ 4.00 UUPPPPUP");
}

}  // namespace
