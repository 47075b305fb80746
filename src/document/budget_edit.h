#pragma once
// A change inside one budget, kept as the few lines it replaced, put in or took
// out and its header before and after: a typed cell, a header field, a row
// command. The operating interest row is not kept: it is a function of the
// costs and the header, brought up to date whenever the budget is shown or
// edited, so undo and redo work it out again to the same bits.

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "document/budget_state.h"
#include "document/undo_stack.h"

class CBudgetWorksheet;

// A line place of a section: nothing before means the line was put in there,
// nothing after that it was taken out.
struct LineChange {
  int section = 0;
  int index = 0;
  std::optional<LineState> before;
  std::optional<LineState> after;
};

// Watches a budget while a change is made to it; Finish gives the step.
class BudgetEditRecorder {
 public:
  // `row`: the grid row whose line place the change may touch; -1 for none.
  BudgetEditRecorder(CBudgetWorksheet& worksheet, int budget, int row);

  // Typing into the same header field of the same budget merges into one step.
  void SetMergeField(int field) { mergeField_ = field; }
  void SetEditedRow(int row) { editedRow_ = row; }
  // The step, or nullptr when nothing changed. `lost` is set when the budget
  // changed in more places than were watched, so that the history cannot be
  // trusted any more.
  std::unique_ptr<UndoCommand> Finish(std::string text, bool* lost = nullptr);

 private:
  CBudgetWorksheet& worksheet_;
  int position_;
  const CCropBudget* budget_;
  BudgetHeader header_;
  int section_ = -1;
  int index_ = 0;
  const CBudgetLine* line_ = nullptr;  // the line at the place, or none
  const CBudgetLine* next_ = nullptr;  // the line after it
  std::optional<LineState> lineBefore_;
  int mergeField_ = 0;
  int editedRow_ = -1;
};

class BudgetEditCommand : public UndoCommand {
 public:
  BudgetEditCommand(int budget, std::string text,
                    std::optional<std::pair<BudgetHeader, BudgetHeader>> header,
                    std::vector<LineChange> changes, int mergeField, int editedRow);

  void Undo(CBudgetWorksheet& worksheet) override;
  void Redo(CBudgetWorksheet& worksheet) override;
  std::string Text() const override { return text_; }
  UndoScope Scope() const override;
  std::size_t HeldBytes() const override;
  bool MergeWith(const UndoCommand& later) override;
  bool ChangesNothing() const override;

 private:
  int budget_;
  std::string text_;
  std::optional<std::pair<BudgetHeader, BudgetHeader>> header_;
  std::vector<LineChange> changes_;
  int mergeField_;
  int editedRow_;
};
