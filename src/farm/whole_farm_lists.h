#pragma once
// The document's whole-farm lists, each owned by its head. What the document
// does to all of them (clearing, reading, writing, slot shifting) runs over the
// registry of list kinds, in the document's order.

#include <cstddef>
#include <memory>
#include <span>
#include <string_view>

#include "farm/budget_machine.h"
#include "farm/expense_line.h"
#include "farm/livestock_investment.h"
#include "farm/veterinary_cost.h"

class CTagBuffer;
class ListKind;
struct TextRange;

class WholeFarmLists {
 public:
  std::unique_ptr<CExpenseLne> pOperatingExpenses;
  std::unique_ptr<CExpenseLne> pOwnershipExpenses;
  std::unique_ptr<CBudgetMachine> pMachinery;
  std::unique_ptr<CBudgetMachine> pBuildings;
  std::unique_ptr<CLivestockInvestment> pPurchasedLivestock;
  std::unique_ptr<CLivestockInvestment> pRetainedLivestock;
  std::unique_ptr<CVeterinaryCost> pVeterinaryCosts;

  WholeFarmLists() = default;
  ~WholeFarmLists();
  WholeFarmLists(const WholeFarmLists&) = delete;
  WholeFarmLists& operator=(const WholeFarmLists&) = delete;

  void Clear();
  bool HasExpenseLists() const { return pOperatingExpenses || pOwnershipExpenses; }
  // The lists' elements, kind by kind, in the document's order; a record writes
  // one slot per budget, at most MAX_ALLOCATIONS.
  void WriteTags(CTagBuffer& buffer, int budgetCount) const;
  // Every kind is searched from the start of the document's content, all in one
  // pass; records join the end of their lists. `unread`: sorted, disjoint parts
  // of the content known to hold no opening tag of any list.
  void ReadTags(std::string_view text, std::size_t start, std::size_t end,
                std::span<const TextRange> unread = {});
  // The lists' elements, in the document's order.
  static std::span<const std::string_view> ElementNames();
  // Slots k+1.. of every record move down one place.
  void RemoveBudgetSlot(int k);
  // Every list an exact copy of the other's: amounts keep every decimal and
  // shares every slot, which the markup would not.
  void CopyFrom(const WholeFarmLists& other);
  bool SameAs(const WholeFarmLists& other) const;
  std::size_t HeldBytes() const;
};

// Every list, in the document's order. A new list joins here.
std::span<const ListKind* const> AllListKinds();
