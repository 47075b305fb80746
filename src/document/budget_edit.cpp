#include "document/budget_edit.h"

#include "document/worksheet.h"
#include "model/line_chain.h"

namespace {

const CBudgetLine* LineAt(const CCropBudget& budget, int section, int index) {
  const CBudgetLine* line = budget.sections[static_cast<std::size_t>(section)].get();
  for (; line && index > 0; --index) line = line->next.get();
  return line;
}

// Sets the line place to a state: a line there, or none.
void Apply(CCropBudget& budget, const LineChange& change, const std::optional<LineState>& from,
           const std::optional<LineState>& to) {
  LineSlot* slot = SlotAt(budget.sections[static_cast<std::size_t>(change.section)], change.index);
  if (!slot) return;
  if (from && to) {
    if (*slot) to->PutInto(**slot);
  } else if (to) {
    LinkIn(*slot, to->Make());
  } else if (from) {
    Unlink(*slot);
  }
}

}  // namespace

// Every walk here is paid on each typed cell, so the place is found once and
// the change told apart by the lines' addresses rather than by counting.
BudgetEditRecorder::BudgetEditRecorder(CBudgetWorksheet& worksheet, int budget, int row)
    : worksheet_(worksheet), position_(budget), budget_(worksheet.GetBudget(budget)) {
  if (!budget_) return;
  header_ = BudgetHeader::Of(*budget_);
  if (row >= 0 && budget_->GetLinePlace(row, &section_, &index_)) {
    line_ = LineAt(*budget_, section_, index_);
    if (line_) {
      lineBefore_ = LineState::Of(*line_);
      next_ = line_->next.get();
    }
  }
}

std::unique_ptr<UndoCommand> BudgetEditRecorder::Finish(std::string text, bool* lost) {
  if (lost) *lost = false;
  const CCropBudget* budget = worksheet_.GetBudget(position_);
  if (!budget_ || budget != budget_) {
    if (lost) *lost = budget_ != nullptr;
    return nullptr;
  }
  std::vector<LineChange> changes;
  if (section_ >= 0) {
    const CBudgetLine* now = LineAt(*budget, section_, index_);
    LineChange change{section_, index_, {}, {}};
    if (now == line_) {
      if (now) {
        LineState after = LineState::Of(*now);
        if (!(after == *lineBefore_)) change = {section_, index_, lineBefore_, std::move(after)};
      }
    } else if (now && now->next.get() == line_) {
      change.after = LineState::Of(*now);
    } else if (line_ && now == next_) {
      change.before = lineBefore_;
    } else {
      if (lost) *lost = true;
      return nullptr;
    }
    if (change.before || change.after) changes.push_back(std::move(change));
  }
  std::optional<std::pair<BudgetHeader, BudgetHeader>> header;
  if (BudgetHeader after = BudgetHeader::Of(*budget); !(after == header_))
    header.emplace(std::move(header_), std::move(after));
  if (changes.empty() && !header) return nullptr;
  return std::make_unique<BudgetEditCommand>(position_, std::move(text), std::move(header),
                                             std::move(changes), mergeField_, editedRow_);
}

BudgetEditCommand::BudgetEditCommand(int budget, std::string text,
                                     std::optional<std::pair<BudgetHeader, BudgetHeader>> header,
                                     std::vector<LineChange> changes, int mergeField, int editedRow)
    : budget_(budget),
      text_(std::move(text)),
      header_(std::move(header)),
      changes_(std::move(changes)),
      mergeField_(mergeField),
      editedRow_(editedRow) {}

void BudgetEditCommand::Undo(CBudgetWorksheet& worksheet) {
  CCropBudget* budget = worksheet.GetBudget(budget_);
  if (!budget) return;
  // Later changes first: each index holds in the state its change left.
  for (auto change = changes_.rbegin(); change != changes_.rend(); ++change)
    Apply(*budget, *change, change->after, change->before);
  if (header_) header_->first.PutInto(*budget);
  budget->UpdateOperatingInterest(false);
}

void BudgetEditCommand::Redo(CBudgetWorksheet& worksheet) {
  CCropBudget* budget = worksheet.GetBudget(budget_);
  if (!budget) return;
  for (const LineChange& change : changes_) Apply(*budget, change, change.before, change.after);
  if (header_) header_->second.PutInto(*budget);
  budget->UpdateOperatingInterest(false);
}

UndoScope BudgetEditCommand::Scope() const {
  return {budget_, editedRow_, header_.has_value()};
}

std::size_t BudgetEditCommand::HeldBytes() const {
  std::size_t bytes = sizeof(*this) + text_.capacity() + changes_.capacity() * sizeof(LineChange);
  if (header_) bytes += header_->first.HeldBytes() + header_->second.HeldBytes();
  for (const LineChange& change : changes_) {
    if (change.before) bytes += change.before->HeldBytes() - sizeof(LineState);
    if (change.after) bytes += change.after->HeldBytes() - sizeof(LineState);
  }
  return bytes;
}

bool BudgetEditCommand::ChangesNothing() const {
  if (header_ && !(header_->first == header_->second)) return false;
  for (const LineChange& change : changes_) {
    if (change.before != change.after) return false;
  }
  return true;
}

bool BudgetEditCommand::MergeWith(const UndoCommand& later) {
  const auto* next = dynamic_cast<const BudgetEditCommand*>(&later);
  if (!next || mergeField_ == 0 || next->mergeField_ != mergeField_ || next->budget_ != budget_)
    return false;
  const auto replacesOnly = [](const std::vector<LineChange>& changes) {
    for (const LineChange& change : changes) {
      if (!change.before || !change.after) return false;
    }
    return true;
  };
  if (!replacesOnly(changes_) || !replacesOnly(next->changes_)) return false;
  for (const LineChange& change : next->changes_) {
    bool found = false;
    for (LineChange& mine : changes_) {
      if (mine.section != change.section || mine.index != change.index) continue;
      mine.after = change.after;
      found = true;
    }
    if (!found) changes_.push_back(change);
  }
  if (next->header_) {
    if (header_) {
      header_->second = next->header_->second;
    } else {
      header_ = next->header_;
    }
  }
  return true;
}
