#include "farm/record_markup.h"

#include <algorithm>

namespace {

// The element FindElement finds from `from`, which is most often the end of the
// one before. Written files put the elements one after another, so the next
// '<' after that one's closing tag most often opens it and the one after its
// content closes it: no search is needed then.
bool NextAllocation(std::string_view text, std::size_t from, std::size_t end,
                    CTagElement* found) {
  constexpr std::string_view kOpen = "<ALLOCATION>";
  constexpr std::string_view kClose = "</ALLOCATION>";
  const std::string_view range = text.substr(0, std::min(end, text.size()));
  // "<ALLOCATION>" cannot begin inside a closing tag.
  if (range.substr(std::min(from, range.size())).starts_with(kClose)) from += kClose.size();
  const std::size_t openAt = range.find('<', from);
  if (openAt != std::string_view::npos && range.substr(openAt).starts_with(kOpen)) {
    const std::size_t contentStart = openAt + kOpen.size();
    const std::size_t closeAt = range.find('<', contentStart);
    if (closeAt != std::string_view::npos && range.substr(closeAt).starts_with(kClose)) {
      *found = {contentStart, closeAt, text};
      return true;
    }
  }
  return FindElement("ALLOCATION", text, from, end, found);
}

}  // namespace

void ReadAllocationSlots(AllocationSlots& shares, std::string_view text, std::size_t start,
                         std::size_t end) {
  CTagElement found;
  std::size_t from = start;
  for (std::size_t k = 0; k < shares.size(); ++k) {
    if (!NextAllocation(text, from, end, &found)) break;
    RealOf(found, &shares[k]);
    from = found.contentEnd;
  }
}
