#pragma once
// The producer's name, phone or address typed on the summary tab.

#include <string>

#include "document/undo_stack.h"

class DocumentFieldEdit : public UndoCommand {
 public:
  // The field's text before the change; the worksheet holds the text after it.
  DocumentFieldEdit(const CBudgetWorksheet& worksheet, int field, std::string before);

  void Undo(CBudgetWorksheet& worksheet) override;
  void Redo(CBudgetWorksheet& worksheet) override;
  std::string Text() const override { return "Typing"; }
  UndoScope Scope() const override { return {UndoScope::kWholeDocument, -1, true}; }
  std::size_t HeldBytes() const override;
  bool MergeWith(const UndoCommand& later) override;
  bool ChangesNothing() const override { return before_ == after_; }

  // The field as the worksheet holds it.
  static const std::string& Field(const CBudgetWorksheet& worksheet, int field);

 private:
  int field_;
  std::string before_;
  std::string after_;
};
