#pragma once
// A change that may reach every budget and the whole-farm lists: a tab put in,
// deleted or imported, the interest dialog, a list window's edit, "Copy Values
// to ...". The worksheet is taken before the change; the step keeps only the
// budgets that differ afterwards and, when they changed, the lists, all as
// exact copies.

#include <memory>
#include <string>
#include <vector>

#include "document/budget_state.h"
#include "farm/whole_farm_lists.h"
#include "document/undo_stack.h"

class CBudgetWorksheet;

// The budgets a change may reach: from a position to the end, or none.
struct BudgetRange {
  static constexpr int kNone = -1;
  int first = 0;

  static BudgetRange All() { return {0}; }
  static BudgetRange From(int position) { return {position}; }
  static BudgetRange None() { return {kNone}; }
};

struct WorksheetParts {
  std::string name, phone, address;
  std::vector<BudgetState> budgets;  // those of the range
  std::unique_ptr<WholeFarmLists> lists;  // none when left as they were

  static WorksheetParts Of(const CBudgetWorksheet& worksheet, BudgetRange range);
};

class WorksheetSnapshot {
 public:
  WorksheetSnapshot(const CBudgetWorksheet& worksheet, BudgetRange range = BudgetRange::All());
  // The step, or nullptr when nothing changed.
  std::unique_ptr<UndoCommand> Finish(const CBudgetWorksheet& worksheet, std::string text);

 private:
  WorksheetParts before_;
  BudgetRange range_;
};

class WorksheetChange : public UndoCommand {
 public:
  // `first`: the position of the first budget that differs; the budgets from
  // there that the change replaced, and those it left in their place.
  WorksheetChange(std::string text, int first, std::vector<BudgetState> before,
                  std::vector<BudgetState> after, WorksheetParts fieldsBefore,
                  WorksheetParts fieldsAfter, bool listsChanged);

  void Undo(CBudgetWorksheet& worksheet) override;
  void Redo(CBudgetWorksheet& worksheet) override;
  std::string Text() const override { return text_; }
  // One budget put in, taken out or changed comes forward; several leave the
  // tab shown as it is.
  UndoScope Scope() const override;
  std::size_t HeldBytes() const override;

 private:
  void Restore(CBudgetWorksheet& worksheet, const std::vector<BudgetState>& from,
               const std::vector<BudgetState>& to, const WorksheetParts& fields) const;

  std::string text_;
  int first_;
  std::vector<BudgetState> before_;
  std::vector<BudgetState> after_;
  // The producer's fields and the lists, the budgets left empty.
  WorksheetParts fieldsBefore_;
  WorksheetParts fieldsAfter_;
  bool listsChanged_;
};
