#include "farm/whole_farm_lists.h"

#include "document/tag_buffer.h"
#include "document/tag_reader.h"
#include "model/line_chain.h"

namespace {

constexpr std::string_view kOperatingElement = "OPERATINGEXPENSE";
constexpr std::string_view kOwnershipElement = "OWNERSHIPEXPENSE";
constexpr std::string_view kVeterinaryElement = "VETERINARYCOST";
// A record's markup with all its slots, rounded up.
constexpr std::size_t kBytesPerRecord = 128 + 32 * MAX_ALLOCATIONS;

template <typename Line>
std::size_t CountLines(const Line* line) {
  std::size_t count = 0;
  for (; line; line = line->next.get()) ++count;
  return count;
}

template <typename Line>
void WriteList(const Line* line, CTagBuffer& buffer, std::string_view element, int budgetCount) {
  for (; line; line = line->next.get()) line->WriteTags(buffer, element, budgetCount);
}

template <typename Line>
void ReadList(std::unique_ptr<Line>& head, std::string_view element, std::string_view text,
              std::size_t start, std::size_t end) {
  std::unique_ptr<Line>* tail = &TailSlot(head);
  CTagElement found;
  for (std::size_t from = start; FindElement(element, text, from, end, &found);
       from = found.contentEnd) {
    *tail = std::make_unique<Line>();
    (*tail)->ReadTags(text, found.contentStart, found.contentEnd);
    tail = &(*tail)->next;
  }
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
  return kBytesPerRecord * (CountLines(pOperatingExpenses.get()) +
                            CountLines(pOwnershipExpenses.get()) +
                            CountLines(pVeterinaryCosts.get()));
}

void WholeFarmLists::WriteTags(CTagBuffer& buffer, int budgetCount) const {
  WriteList(pOperatingExpenses.get(), buffer, kOperatingElement, budgetCount);
  WriteList(pOwnershipExpenses.get(), buffer, kOwnershipElement, budgetCount);
  WriteList(pVeterinaryCosts.get(), buffer, kVeterinaryElement, budgetCount);
}

void WholeFarmLists::ReadTags(std::string_view text, std::size_t start, std::size_t end) {
  ReadList(pOperatingExpenses, kOperatingElement, text, start, end);
  ReadList(pOwnershipExpenses, kOwnershipElement, text, start, end);
  ReadList(pVeterinaryCosts, kVeterinaryElement, text, start, end);
}

void WholeFarmLists::RemoveBudgetSlot(int k) {
  RemoveSlot(pOperatingExpenses.get(), k);
  RemoveSlot(pOwnershipExpenses.get(), k);
  RemoveSlot(pVeterinaryCosts.get(), k);
}
