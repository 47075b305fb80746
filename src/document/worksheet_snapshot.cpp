#include "document/worksheet_snapshot.h"

#include <algorithm>

#include "document/worksheet.h"
#include "model/line_chain.h"

WorksheetParts WorksheetParts::Of(const CBudgetWorksheet& worksheet, BudgetRange range) {
  WorksheetParts parts{worksheet.name, worksheet.phone, worksheet.address, {}, {}};
  int position = 0;
  for (const CCropBudget* budget = worksheet.budgets.get(); budget && range.first >= 0;
       budget = budget->next.get(), ++position) {
    if (position >= range.first) parts.budgets.push_back(BudgetState::Of(*budget));
  }
  parts.lists = std::make_unique<WholeFarmLists>();
  parts.lists->CopyFrom(worksheet.lists);
  return parts;
}

WorksheetSnapshot::WorksheetSnapshot(const CBudgetWorksheet& worksheet, BudgetRange range)
    : before_(WorksheetParts::Of(worksheet, range)), range_(range) {}

std::unique_ptr<UndoCommand> WorksheetSnapshot::Finish(const CBudgetWorksheet& worksheet,
                                                       std::string text) {
  WorksheetParts after = WorksheetParts::Of(worksheet, range_);
  std::vector<BudgetState>& old = before_.budgets;
  std::vector<BudgetState>& now = after.budgets;
  // Only the run of budgets between the common start and the common end is kept.
  std::size_t first = 0;
  while (first < old.size() && first < now.size() && old[first] == now[first]) ++first;
  std::size_t tail = 0;
  while (tail < old.size() - first && tail < now.size() - first &&
         old[old.size() - 1 - tail] == now[now.size() - 1 - tail])
    ++tail;
  std::vector<BudgetState> removed(
      std::make_move_iterator(old.begin() + static_cast<std::ptrdiff_t>(first)),
      std::make_move_iterator(old.end() - static_cast<std::ptrdiff_t>(tail)));
  std::vector<BudgetState> added(
      std::make_move_iterator(now.begin() + static_cast<std::ptrdiff_t>(first)),
      std::make_move_iterator(now.end() - static_cast<std::ptrdiff_t>(tail)));
  old.clear();
  now.clear();
  // Lists left as they were are left alone by undo and redo too.
  const bool listsSame = before_.lists->SameAs(*after.lists);
  if (listsSame) {
    before_.lists.reset();
    after.lists.reset();
  }
  const bool fieldsSame = before_.name == after.name && before_.phone == after.phone &&
                          before_.address == after.address && listsSame;
  if (removed.empty() && added.empty() && fieldsSame) return nullptr;
  return std::make_unique<WorksheetChange>(
      std::move(text), std::max(range_.first, 0) + static_cast<int>(first), std::move(removed),
      std::move(added), std::move(before_), std::move(after), !listsSame);
}

WorksheetChange::WorksheetChange(std::string text, int first, std::vector<BudgetState> before,
                                 std::vector<BudgetState> after, WorksheetParts fieldsBefore,
                                 WorksheetParts fieldsAfter, bool listsChanged)
    : text_(std::move(text)),
      first_(first),
      before_(std::move(before)),
      after_(std::move(after)),
      fieldsBefore_(std::move(fieldsBefore)),
      fieldsAfter_(std::move(fieldsAfter)),
      listsChanged_(listsChanged) {}

void WorksheetChange::Undo(CBudgetWorksheet& worksheet) {
  Restore(worksheet, after_, before_, fieldsBefore_);
}

void WorksheetChange::Redo(CBudgetWorksheet& worksheet) {
  Restore(worksheet, before_, after_, fieldsAfter_);
}

void WorksheetChange::Restore(CBudgetWorksheet& worksheet, const std::vector<BudgetState>& from,
                              const std::vector<BudgetState>& to,
                              const WorksheetParts& fields) const {
  std::unique_ptr<CCropBudget>* slot = SlotAt(worksheet.budgets, first_);
  if (!slot) return;
  // Budgets that stay in their place keep their objects, so that the windows
  // holding them hold them still.
  const std::size_t kept = std::min(from.size(), to.size());
  for (std::size_t i = 0; i < kept && *slot; ++i, slot = &(*slot)->next) {
    std::unique_ptr<CCropBudget> made = to[i].Make();
    // The old lines leave with the budget made, which is freed.
    std::swap((*slot)->sections, made->sections);
    to[i].header.PutInto(**slot);
  }
  for (std::size_t i = kept; i < from.size() && *slot; ++i) Unlink(*slot);
  for (std::size_t i = kept; i < to.size(); ++i) {
    LinkIn(*slot, to[i].Make());
    slot = &(*slot)->next;
  }
  worksheet.name = fields.name;
  worksheet.phone = fields.phone;
  worksheet.address = fields.address;
  if (listsChanged_ && fields.lists) worksheet.lists.CopyFrom(*fields.lists);
}

UndoScope WorksheetChange::Scope() const {
  const bool oneBudget =
      before_.size() <= 1 && after_.size() <= 1 && before_.size() + after_.size() > 0;
  return {oneBudget ? first_ : UndoScope::kWholeDocument, -1, false};
}

std::size_t WorksheetChange::HeldBytes() const {
  std::size_t bytes = sizeof(*this) + text_.capacity();
  for (const auto* parts : {&fieldsBefore_, &fieldsAfter_}) {
    bytes += parts->name.capacity() + parts->phone.capacity() + parts->address.capacity();
    if (parts->lists) bytes += parts->lists->HeldBytes();
  }
  for (const auto* budgets : {&before_, &after_}) {
    for (const BudgetState& budget : *budgets) bytes += budget.HeldBytes();
  }
  return bytes;
}
