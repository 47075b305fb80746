#include "document/worksheet.h"

#include "text/utf8_text.h"
#include "platform/app_message.h"

CBudgetWorksheet::CBudgetWorksheet() = default;
CBudgetWorksheet::~CBudgetWorksheet() = default;

void CBudgetWorksheet::Clear() {
  name.clear();
  phone.clear();
  address.clear();
  budgets.reset();
  lists.Clear();
}

int CBudgetWorksheet::CountBudgets() const {
  int count = 0;
  for (const CCropBudget* budget = budgets.get(); budget; budget = budget->next.get()) ++count;
  return count;
}

CCropBudget* CBudgetWorksheet::GetBudget(int position, bool create) {
  if (position < 0) return nullptr;
  std::unique_ptr<CCropBudget>* link = &budgets;
  for (int i = 0;; ++i) {
    if (!*link) {
      if (!create) return nullptr;
      *link = std::make_unique<CCropBudget>();
    }
    if (i == position) return link->get();
    link = &(*link)->next;
  }
}

bool CBudgetWorksheet::DeleteBudget(int position) {
  if (CountBudgets() == 1) {
    App_MessageBox("Can't delete last or only budget.");
    return false;
  }
  bool deleted = false;
  std::unique_ptr<CCropBudget>* link = &budgets;
  for (int i = 0; *link && i < position; ++i) link = &(*link)->next;
  if (position >= 0 && *link) {
    std::unique_ptr<CCropBudget> removed = std::move(*link);
    *link = std::move(removed->next);
    deleted = true;
  }
  // The slots move whether or not the position held a budget, so that every
  // record stays aligned with the budgets that remain.
  lists.RemoveBudgetSlot(position);
  return deleted;
}

bool CBudgetWorksheet::RefreshOperatingInterest() {
  bool changed = false;
  for (CCropBudget* budget = budgets.get(); budget; budget = budget->next.get())
    changed = budget->RefreshOperatingInterest() || changed;
  return changed;
}

void CBudgetWorksheet::SetField(int field, std::string_view text) {
  switch (field) {
    case kIdcEditIdOrName:
      name.assign(FirstChars(text, kDocumentNameChars));
      break;
    case kIdcEditTitleOrPhone:
      phone.assign(FirstChars(text, kDocumentPhoneChars));
      break;
    case kIdcEditAddress:
      address.assign(FirstChars(text, kDocumentAddressChars));
      break;
    default:
      break;
  }
}
