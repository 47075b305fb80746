#pragma once
// The document's whole-farm lists. Each list joins the document here: its place
// in the file, its part in clearing, and its slots when a budget is deleted.

#include <cstddef>
#include <string_view>

class CTagBuffer;

class WholeFarmLists {
 public:
  void Clear();
  // Bytes the save should reserve for the lists' records.
  std::size_t EstimatedFileBytes() const;
  // The lists' elements, kind by kind, in the document's order.
  void WriteTags(CTagBuffer& buffer) const;
  // Every kind is searched from the start of the document's content.
  void ReadTags(std::string_view text, std::size_t start, std::size_t end);
  // Slots k+1.. of every record move down one place.
  void RemoveBudgetSlot(int k);
};
