#include "farm/record_markup.h"

void ReadAllocationSlots(AllocationSlots& shares, std::string_view text, std::size_t start,
                         std::size_t end) {
  CTagElement found;
  std::size_t from = start;
  for (std::size_t k = 0; k < shares.size(); ++k) {
    if (!FindElement("ALLOCATION", text, from, end, &found)) break;
    ReadReal("ALLOCATION", text, from, end, &shares[k]);
    from = found.contentEnd;
  }
}
