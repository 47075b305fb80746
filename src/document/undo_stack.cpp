#include "document/undo_stack.h"

#include <algorithm>

void UndoStack::Push(std::unique_ptr<UndoCommand> command) {
  if (!command) return;
  if (index_ < steps_.size()) {
    // The clean point lay on the branch cut off: no step reaches it again.
    if (cleanReachable_ && clean_ > index_) cleanReachable_ = false;
    for (std::size_t i = index_; i < steps_.size(); ++i) heldBytes_ -= steps_[i]->HeldBytes();
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(index_), steps_.end());
  }
  // Keystrokes go into the step before, unless the file was saved between them.
  if (index_ > 0 && !(cleanReachable_ && clean_ == index_)) {
    UndoCommand& top = *steps_.back();
    const std::size_t bytes = top.HeldBytes();
    if (top.MergeWith(*command)) {
      heldBytes_ -= bytes;
      if (top.ChangesNothing()) {
        steps_.pop_back();
        --index_;
      } else {
        heldBytes_ += top.HeldBytes();
      }
      return;
    }
  }
  heldBytes_ += command->HeldBytes();
  steps_.push_back(std::move(command));
  ++index_;
  while (steps_.size() > limit_ || (heldBytes_ > byteLimit_ && steps_.size() > 1)) DropOldest();
}

void UndoStack::DropOldest() {
  heldBytes_ -= steps_.front()->HeldBytes();
  steps_.pop_front();
  --index_;
  if (clean_ == 0) {
    cleanReachable_ = false;
  } else {
    --clean_;
  }
}

const UndoCommand* UndoStack::Undo(CBudgetWorksheet& worksheet) {
  if (!CanUndo()) return nullptr;
  UndoCommand& step = *steps_[--index_];
  step.Undo(worksheet);
  return &step;
}

const UndoCommand* UndoStack::Redo(CBudgetWorksheet& worksheet) {
  if (!CanRedo()) return nullptr;
  UndoCommand& step = *steps_[index_++];
  step.Redo(worksheet);
  return &step;
}

std::string UndoStack::UndoText() const { return CanUndo() ? steps_[index_ - 1]->Text() : ""; }

std::string UndoStack::RedoText() const { return CanRedo() ? steps_[index_]->Text() : ""; }

bool UndoStack::IsModified() const {
  if (!cleanReachable_) return true;
  const std::size_t low = std::min(clean_, index_);
  const std::size_t high = std::max(clean_, index_);
  for (std::size_t i = low; i < high; ++i) {
    if (!steps_[i]->KeepsFileMatch()) return true;
  }
  return false;
}

void UndoStack::SetClean() {
  clean_ = index_;
  cleanReachable_ = true;
}

void UndoStack::SetCleanUnreachable() { cleanReachable_ = false; }

void UndoStack::Clear() {
  steps_.clear();
  heldBytes_ = 0;
  index_ = 0;
  SetClean();
}
