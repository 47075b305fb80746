#include "farm/whole_farm_lists.h"

#include <array>

#include "text/tag_buffer.h"
#include "text/tag_reader.h"
#include "model/line_chain.h"

namespace {

constexpr std::string_view kOperatingElement = "OPERATINGEXPENSE";
constexpr std::string_view kOwnershipElement = "OWNERSHIPEXPENSE";
constexpr std::string_view kVeterinaryElement = "VETERINARYCOST";
// A record's markup with all its slots, rounded up.
constexpr std::size_t kBytesPerRecord = 128 + 32 * MAX_ALLOCATIONS;

template <typename Line>
void WriteList(const Line* line, CTagBuffer& buffer, std::string_view element, int budgetCount) {
  for (; line; line = line->next.get()) line->WriteTags(buffer, element, budgetCount);
}

// Reads a record into the link and returns the link after it.
template <typename Line>
std::unique_ptr<Line>* ReadRecord(std::unique_ptr<Line>* tail, std::string_view text,
                                  const CTagElement& found) {
  *tail = std::make_unique<Line>();
  (*tail)->ReadTags(text, found.contentStart, found.contentEnd);
  return &(*tail)->next;
}

template <typename Line>
void RemoveSlot(Line* line, int k) {
  for (; line; line = line->next.get()) RemoveAllocationSlot(line->allocation, k, -1.0);
}

}  // namespace

WholeFarmLists::~WholeFarmLists() { Clear(); }

void WholeFarmLists::Clear() {
  DestroyChain(pOperatingExpenses);
  DestroyChain(pOwnershipExpenses);
  DestroyChain(pVeterinaryCosts);
}

std::size_t WholeFarmLists::EstimatedFileBytes() const {
  const int records = ChainLength(pOperatingExpenses) + ChainLength(pOwnershipExpenses) +
                      ChainLength(pVeterinaryCosts);
  return kBytesPerRecord * static_cast<std::size_t>(records);
}

void WholeFarmLists::WriteTags(CTagBuffer& buffer, int budgetCount) const {
  WriteList(pOperatingExpenses.get(), buffer, kOperatingElement, budgetCount);
  WriteList(pOwnershipExpenses.get(), buffer, kOwnershipElement, budgetCount);
  WriteList(pVeterinaryCosts.get(), buffer, kVeterinaryElement, budgetCount);
}

// One pass over the document serves every kind: a large file of budgets is not
// read again for each list.
void WholeFarmLists::ReadTags(std::string_view text, std::size_t start, std::size_t end) {
  static constexpr std::array<std::string_view, 3> kKinds = {kOperatingElement, kOwnershipElement,
                                                             kVeterinaryElement};
  std::unique_ptr<CExpenseLne>* operating = &TailSlot(pOperatingExpenses);
  std::unique_ptr<CExpenseLne>* ownership = &TailSlot(pOwnershipExpenses);
  std::unique_ptr<CVeterinaryCost>* veterinary = &TailSlot(pVeterinaryCosts);
  ForEachElement(kKinds, text, start, end, [&](std::size_t kind, const CTagElement& found) {
    if (kind == 0) operating = ReadRecord(operating, text, found);
    if (kind == 1) ownership = ReadRecord(ownership, text, found);
    if (kind == 2) veterinary = ReadRecord(veterinary, text, found);
  });
}

void WholeFarmLists::RemoveBudgetSlot(int k) {
  RemoveSlot(pOperatingExpenses.get(), k);
  RemoveSlot(pOwnershipExpenses.get(), k);
  RemoveSlot(pVeterinaryCosts.get(), k);
}
