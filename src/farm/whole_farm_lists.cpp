#include "farm/whole_farm_lists.h"

#include <vector>

#include "farm/expense_lists.h"
#include "farm/livestock_lists.h"
#include "farm/machine_lists.h"
#include "farm/veterinary_list.h"
#include "farm/whole_farm_list.h"
#include "text/tag_reader.h"

std::span<const ListKind* const> AllListKinds() {
  static const ListKindOf<CExpenseLne> operating(kOperatingExpenseList);
  static const ListKindOf<CExpenseLne> ownership(kOwnershipExpenseList);
  static const ListKindOf<CBudgetMachine> machinery(kMachineryList);
  static const ListKindOf<CBudgetMachine> buildings(kBuildingsList);
  static const ListKindOf<CLivestockInvestment> purchased(kPurchasedLivestockList);
  static const ListKindOf<CLivestockInvestment> retained(kRetainedLivestockList);
  static const ListKindOf<CVeterinaryCost> veterinary(kVeterinaryList);
  static const ListKind* const kinds[] = {&operating, &ownership, &machinery, &buildings,
                                          &purchased, &retained,  &veterinary};
  return kinds;
}

WholeFarmLists::~WholeFarmLists() { Clear(); }

void WholeFarmLists::Clear() {
  for (const ListKind* kind : AllListKinds()) kind->Clear(*this);
}

void WholeFarmLists::WriteTags(CTagBuffer& buffer, int budgetCount) const {
  for (const ListKind* kind : AllListKinds()) kind->WriteRecords(*this, buffer, budgetCount);
}

std::span<const std::string_view> WholeFarmLists::ElementNames() {
  static const std::vector<std::string_view> names = [] {
    std::vector<std::string_view> elements;
    for (const ListKind* kind : AllListKinds()) elements.push_back(kind->Element());
    return elements;
  }();
  return names;
}

// One pass over the document serves every kind: a large file of budgets is not
// read again for each list, and a record is indexed once, as the pass finds its
// end.
void WholeFarmLists::ReadTags(std::string_view text, std::size_t start, std::size_t end,
                              std::span<const TextRange> unread) {
  std::vector<ListKind::Appender> appenders;
  for (const ListKind* kind : AllListKinds()) appenders.push_back(kind->AppendAtEnd(*this));
  ForEachIndexedElement(
      ElementNames(), text, start, end,
      [&](std::size_t kind, const TagIndex& content) { appenders[kind](content); }, {}, unread);
}

void WholeFarmLists::CopyFrom(const WholeFarmLists& other) {
  for (const ListKind* kind : AllListKinds()) kind->CopyRecords(other, *this);
}

bool WholeFarmLists::SameAs(const WholeFarmLists& other) const {
  for (const ListKind* kind : AllListKinds()) {
    if (!kind->SameRecords(*this, other)) return false;
  }
  return true;
}

std::size_t WholeFarmLists::HeldBytes() const {
  std::size_t bytes = 0;
  for (const ListKind* kind : AllListKinds()) bytes += kind->HeldBytes(*this);
  return bytes;
}

void WholeFarmLists::RemoveBudgetSlot(int k) {
  for (const ListKind* kind : AllListKinds()) kind->RemoveBudgetSlot(*this, k);
}
