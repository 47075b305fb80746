#pragma once
// The grid's cells, ordered by row then column; lookups and stores are O(log n).

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

// A cell's text holds at most this many characters (longer texts are cut).
inline constexpr std::size_t kGridCellMaxChars = 986;

struct StoredCell {
  char protection = 'U';  // 'P' protected, 'U' unprotected
  char type = 'A';        // 'A' text, 'N' number, 'T' true, 'F' false, 'G' owner-drawn
  std::string text;
};

// The type letter a text is stored with.
char ClassifyCellText(std::string_view text);
// The number GM_GETCELLTYPE answers for a type letter; unknown letters are text.
int CellTypeNumber(char type);

class GridCellStore {
 public:
  const StoredCell* Find(int row, int col) const;
  StoredCell* Find(int row, int col);
  void Store(int row, int col, char protection, std::string_view text);
  bool Remove(int row, int col);
  // Drops every cell below that row.
  void RemoveRowsAfter(int row);
  // Drops every cell right of that column.
  void RemoveColumnsAfter(int col);
  void Clear() { cells_.clear(); }
  bool Empty() const { return cells_.empty(); }
  std::size_t Size() const { return cells_.size(); }
  // Row of the highest stored cell; 0 when the store is empty.
  int LastRow() const;
  // Visits cells in row, then column order.
  void ForEach(const std::function<void(int row, int col, const StoredCell&)>& visit) const;
  // Visits the cells of one row from column first to column last.
  void ForEachInRow(int row, int firstCol, int lastCol,
                    const std::function<void(int col, const StoredCell&)>& visit) const;

 private:
  static std::uint32_t Key(int row, int col) {
    return (static_cast<std::uint32_t>(row) << 9) | static_cast<std::uint32_t>(col);
  }
  std::map<std::uint32_t, StoredCell> cells_;
};
