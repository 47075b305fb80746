#include "document/document_field_edit.h"

#include "document/worksheet.h"

const std::string& DocumentFieldEdit::Field(const CBudgetWorksheet& worksheet, int field) {
  if (field == kIdcEditTitleOrPhone) return worksheet.phone;
  if (field == kIdcEditAddress) return worksheet.address;
  return worksheet.name;
}

DocumentFieldEdit::DocumentFieldEdit(const CBudgetWorksheet& worksheet, int field,
                                     std::string before)
    : field_(field), before_(std::move(before)), after_(Field(worksheet, field)) {}

// The texts were cut to the field's room when they were set, so setting them
// again stores them unchanged.
void DocumentFieldEdit::Undo(CBudgetWorksheet& worksheet) { worksheet.SetField(field_, before_); }

void DocumentFieldEdit::Redo(CBudgetWorksheet& worksheet) { worksheet.SetField(field_, after_); }

std::size_t DocumentFieldEdit::HeldBytes() const {
  return sizeof(*this) + before_.capacity() + after_.capacity();
}

bool DocumentFieldEdit::MergeWith(const UndoCommand& later) {
  const auto* next = dynamic_cast<const DocumentFieldEdit*>(&later);
  if (!next || next->field_ != field_) return false;
  after_ = next->after_;
  return true;
}
