#include "farm/whole_farm_lists.h"

// No list has joined yet: expenses, machinery, buildings, livestock and
// veterinary costs each add their lines here.

void WholeFarmLists::Clear() {}

std::size_t WholeFarmLists::EstimatedFileBytes() const { return 0; }

void WholeFarmLists::WriteTags(CTagBuffer&) const {}

void WholeFarmLists::ReadTags(std::string_view, std::size_t, std::size_t) {}

void WholeFarmLists::RemoveBudgetSlot(int) {}
