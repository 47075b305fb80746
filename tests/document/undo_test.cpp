// The history's rules and the steps' exactness, on the document alone: no
// window refreshes anything between a change and its undo.
#include <gtest/gtest.h>

#include <functional>

#include "document/budget_edit.h"
#include "document/undo_stack.h"
#include "document/worksheet.h"
#include "document/worksheet_snapshot.h"
#include "headless/headless_platform.h"
#include "model/line_chain.h"

namespace {

// A step that counts on the worksheet's name: "a" then "ab"...
class Letter : public UndoCommand {
 public:
  explicit Letter(char letter, bool merges = false) : letter_(letter), merges_(merges) {}
  void Undo(CBudgetWorksheet& worksheet) override { worksheet.name.pop_back(); }
  void Redo(CBudgetWorksheet& worksheet) override { worksheet.name += letter_; }
  std::string Text() const override { return std::string(1, letter_); }
  UndoScope Scope() const override { return {}; }
  std::size_t HeldBytes() const override { return 1; }
  bool MergeWith(const UndoCommand& later) override {
    return merges_ && static_cast<const Letter&>(later).merges_;
  }

 private:
  char letter_;
  bool merges_;
};

class History : public ::testing::Test {
 protected:
  void Type(char letter, bool merges = false) {
    worksheet.name += letter;
    stack.Push(std::make_unique<Letter>(letter, merges));
  }

  HeadlessPlatform platform;
  ScopedPlatform scoped{platform};
  CBudgetWorksheet worksheet;
  UndoStack stack{3};
};

TEST_F(History, TheModifiedFlagFollowsTheCleanPoint) {
  EXPECT_FALSE(stack.IsModified());
  Type('a');
  Type('b');
  EXPECT_TRUE(stack.IsModified());
  stack.SetClean();
  EXPECT_FALSE(stack.IsModified());
  EXPECT_EQ(stack.Undo(worksheet)->Text(), "b");
  EXPECT_EQ(worksheet.name, "a");
  EXPECT_TRUE(stack.IsModified());
  stack.Redo(worksheet);
  EXPECT_FALSE(stack.IsModified());
  EXPECT_EQ(stack.Redo(worksheet), nullptr);
}

TEST_F(History, ACleanPointOnABranchCutOffIsNeverReachedAgain) {
  Type('a');
  Type('b');
  stack.SetClean();
  stack.Undo(worksheet);
  Type('c');
  EXPECT_FALSE(stack.CanRedo());
  EXPECT_TRUE(stack.IsModified());
  stack.Undo(worksheet);
  EXPECT_TRUE(stack.IsModified());
  EXPECT_EQ(worksheet.name, "a");
}

TEST_F(History, TheCapDropsTheOldestStepAndTheCleanPointWithIt) {
  for (char letter : {'a', 'b', 'c', 'd'}) Type(letter);
  EXPECT_EQ(stack.Count(), 3u);
  while (stack.CanUndo()) stack.Undo(worksheet);
  EXPECT_EQ(worksheet.name, "a");
  // The empty document the history began with is out of reach.
  EXPECT_TRUE(stack.IsModified());
}

TEST_F(History, TheBytesTheStepsHoldAreCappedButTheNewestStepStays) {
  UndoStack small(1000, 2);
  for (char letter : {'a', 'b', 'c'}) {
    worksheet.name += letter;
    small.Push(std::make_unique<Letter>(letter));
  }
  EXPECT_EQ(small.Count(), 2u);
  EXPECT_EQ(small.HeldBytes(), 2u);
  UndoStack tiny(1000, 0);
  tiny.Push(std::make_unique<Letter>('d'));
  EXPECT_EQ(tiny.Count(), 1u);
}

TEST_F(History, KeystrokesMergeButNotAcrossASave) {
  Type('a', true);
  Type('b', true);
  EXPECT_EQ(stack.Count(), 1u);
  stack.SetClean();
  Type('c', true);
  EXPECT_EQ(stack.Count(), 2u);
  stack.Undo(worksheet);
  EXPECT_FALSE(stack.IsModified());
}

// A budget of a returns line and two operating lines, with its interest row.
class BudgetSteps : public ::testing::Test {
 protected:
  void SetUp() override {
    CCropBudget& budget = *worksheet.GetBudget(0, true);
    budget.numUnits = 50;
    budget.interestRate = 7.25;
    budget.interestTerm = 5;
    AddLine(kSectionReturns, "Calves", 1000);
    AddLine(kSectionOperating, "Hay", 333.3333333);
    AddLine(kSectionOperating, "Salt", 12.5);
    budget.UpdateOperatingInterest(true);
  }
  void AddLine(int section, const char* label, double value) {
    CBudgetLine& line = Budget().AppendLine(section);
    line.label = label;
    line.SetKind(kKindTotal);
    line.value = value;
  }
  CCropBudget& Budget() { return *worksheet.GetBudget(0); }
  // Grid rows: the title row, the returns' heading, line, new-item row and
  // total, then the operating heading.
  static constexpr int kHayRow = 6;

  // Makes the change as the main window would, then checks that undo and redo
  // give back each state exactly; the budget is left as it was.
  void ExpectExact(int row, const std::function<void(CCropBudget&)>& change) {
    const BudgetState before = BudgetState::Of(Budget());
    BudgetEditRecorder recorder(worksheet, 0, row);
    change(Budget());
    Budget().UpdateOperatingInterest(false);
    const BudgetState after = BudgetState::Of(Budget());
    bool lost = true;
    std::unique_ptr<UndoCommand> step = recorder.Finish("step", &lost);
    ASSERT_FALSE(lost);
    ASSERT_NE(step, nullptr);
    step->Undo(worksheet);
    EXPECT_TRUE(BudgetState::Of(Budget()) == before);
    step->Redo(worksheet);
    EXPECT_TRUE(BudgetState::Of(Budget()) == after);
    // The next change starts from the same budget.
    step->Undo(worksheet);
  }

  HeadlessPlatform platform;
  ScopedPlatform scoped{platform};
  CBudgetWorksheet worksheet;
};

TEST_F(BudgetSteps, ACostEditTakesTheInterestRowBackWithIt) {
  const LineSlot* hay = Budget().GetLineSlot(kHayRow);
  ASSERT_TRUE(hay && *hay && (*hay)->label == "Hay");
  ExpectExact(kHayRow, [](CCropBudget& budget) {
    std::string message;
    budget.SetValue(kHayRow, 6, "1/3", &message);
    budget.sections[kSectionOperating]->value = 1.0 / 3.0;
  });
}

TEST_F(BudgetSteps, RowCommandsPutBackTheLinesTheyTookOrMade) {
  ExpectExact(kHayRow, [](CCropBudget& budget) { Unlink(*budget.GetLineSlot(kHayRow)); });
  ExpectExact(kHayRow, [](CCropBudget& budget) {
    LinkIn(*budget.GetLineSlot(kHayRow), std::make_unique<CBudgetLine>());
  });
  // The interest row itself deleted, and a copy of it put in above it.
  ExpectExact(kHayRow + 2, [](CCropBudget& budget) { Unlink(*budget.GetLineSlot(kHayRow + 2)); });
  ExpectExact(kHayRow, [](CCropBudget& budget) {
    auto copy = std::make_unique<CBudgetLine>();
    LineState::Of(*budget.sections[kSectionOperating]->next->next).PutInto(*copy);
    LinkIn(*budget.GetLineSlot(kHayRow), std::move(copy));
  });
}

TEST_F(BudgetSteps, AChangeBeyondTheWatchedPlaceIsReportedLost) {
  BudgetEditRecorder recorder(worksheet, 0, kHayRow);
  Unlink(Budget().sections[kSectionOperating]);
  Unlink(Budget().sections[kSectionOperating]);
  bool lost = false;
  recorder.Finish("step", &lost);
  EXPECT_TRUE(lost);
}

TEST_F(BudgetSteps, AWorksheetChangeKeepsTheBudgetsThatStayAndOnlyTheOnesThatDiffer) {
  worksheet.GetBudget(2, true)->title = "Third";
  const CCropBudget* first = worksheet.GetBudget(0);
  const BudgetState exact = BudgetState::Of(*first);
  WorksheetSnapshot snapshot(worksheet);
  Budget().sections[kSectionOperating]->value = 2.0 / 3.0;
  worksheet.DeleteBudget(1);
  worksheet.name = "Bar K";
  std::unique_ptr<UndoCommand> step = snapshot.Finish(worksheet, "step");
  ASSERT_NE(step, nullptr);
  step->Undo(worksheet);
  EXPECT_EQ(worksheet.GetBudget(0), first);
  EXPECT_TRUE(BudgetState::Of(*first) == exact);
  EXPECT_EQ(worksheet.CountBudgets(), 3);
  EXPECT_EQ(worksheet.GetBudget(2)->title, "Third");
  EXPECT_EQ(worksheet.name, "");
  step->Redo(worksheet);
  EXPECT_EQ(worksheet.CountBudgets(), 2);
  EXPECT_EQ(worksheet.GetBudget(0)->sections[kSectionOperating]->value, 2.0 / 3.0);
  EXPECT_EQ(worksheet.name, "Bar K");
  // Nothing changed since: no step.
  WorksheetSnapshot again(worksheet);
  EXPECT_EQ(again.Finish(worksheet, "step"), nullptr);
}

TEST_F(BudgetSteps, ListsAStepLeftAloneKeepEveryDecimal) {
  worksheet.lists.pOperatingExpenses = std::make_unique<CExpenseLne>();
  worksheet.lists.pOperatingExpenses->total = 1234.56789;
  WorksheetSnapshot snapshot(worksheet);
  Budget().title = "Changed";
  std::unique_ptr<UndoCommand> step = snapshot.Finish(worksheet, "step");
  ASSERT_NE(step, nullptr);
  step->Undo(worksheet);
  step->Redo(worksheet);
  ASSERT_NE(worksheet.lists.pOperatingExpenses, nullptr);
  EXPECT_EQ(worksheet.lists.pOperatingExpenses->total, 1234.56789);
}

TEST_F(BudgetSteps, ListsAStepChangedComeBackExactlyEveryDecimalAndSlot) {
  auto& truck = worksheet.lists.pMachinery = std::make_unique<CBudgetMachine>();
  truck->label = "Truck";
  truck->purchasePrice = 41234.56789;
  truck->usefulLife = 7;
  truck->allocation.fill(100.0 / 3.0);  // a file keeps 33.33, and only one slot per budget
  WorksheetSnapshot snapshot(worksheet);
  truck->purchasePrice = 9;
  truck->allocation[1] = 50;
  worksheet.lists.pVeterinaryCosts = std::make_unique<CVeterinaryCost>();
  std::unique_ptr<UndoCommand> step = snapshot.Finish(worksheet, "step");
  ASSERT_NE(step, nullptr);
  step->Undo(worksheet);
  ASSERT_NE(worksheet.lists.pMachinery, nullptr);
  const CBudgetMachine& back = *worksheet.lists.pMachinery;
  EXPECT_EQ(back.label, "Truck");
  EXPECT_EQ(back.purchasePrice, 41234.56789);
  EXPECT_EQ(back.usefulLife, 7);
  for (double share : back.allocation) EXPECT_EQ(share, 100.0 / 3.0);
  EXPECT_EQ(worksheet.lists.pVeterinaryCosts, nullptr);
  step->Redo(worksheet);
  EXPECT_EQ(worksheet.lists.pMachinery->purchasePrice, 9);
  EXPECT_EQ(worksheet.lists.pMachinery->allocation[1], 50);
  EXPECT_NE(worksheet.lists.pVeterinaryCosts, nullptr);
  // A change smaller than a file's decimals is still a change.
  WorksheetSnapshot fine(worksheet);
  worksheet.lists.pMachinery->purchasePrice = 9.000001;
  EXPECT_NE(fine.Finish(worksheet, "step"), nullptr);
}

}  // namespace
