#pragma once
// The grid's cells, one entry per row, each row's cells in a single block:
// a look-up is an index into the rows and one into the row's columns, and a
// tall budget costs a few dozen bytes per cell rather than a tree node each.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

// A cell's text holds at most this many characters (longer texts are cut).
inline constexpr std::size_t kGridCellMaxChars = 986;

// A stored cell as read back. The text points into the store and is valid
// until the next change to the same row.
struct StoredCell {
  char protection = 'U';  // 'P' protected, 'U' unprotected
  char type = 'A';        // 'A' text, 'N' number, 'T' true, 'F' false, 'G' owner-drawn
  std::string_view text;
};

// The type letter a text is stored with.
char ClassifyCellText(std::string_view text);
// The number GM_GETCELLTYPE answers for a type letter; unknown letters are text.
int CellTypeNumber(char type);

// The cells of one row: a slot per column up to the highest one stored, then
// the texts back to back, all in one allocation.
class GridRowCells {
 public:
  std::optional<StoredCell> Find(int col) const;
  // Returns true when the row gained a cell.
  bool Store(int col, char protection, char type, std::string_view text);
  bool SetProtection(int col, char protection);
  bool Remove(int col);
  // Removes the cells right of that column; returns how many there were.
  int RemoveAfter(int col);
  int Count() const { return count_; }
  std::size_t AllocatedBytes() const { return static_cast<std::size_t>(units_) * sizeof(Slot); }
  // Visits the row's cells from column first to column last.
  void ForEach(int firstCol, int lastCol,
               const std::function<void(int col, const StoredCell&)>& visit) const;

 private:
  // type 0 marks a column without a cell. Plain fields: a new block's text
  // part is never read before it is written, so it is left unset.
  struct Slot {
    std::uint32_t offset;
    std::uint16_t length;
    char protection;
    char type;
  };
  const Slot* Slots() const { return block_.get(); }
  Slot* Slots() { return block_.get(); }
  const char* Texts() const { return reinterpret_cast<const char*>(block_.get() + slots_); }
  char* Texts() { return reinterpret_cast<char*>(block_.get() + slots_); }
  std::size_t TextCapacity() const { return static_cast<std::size_t>(units_ - slots_) * sizeof(Slot); }
  // Makes room for columns up to col and for textBytes of text.
  void Reserve(int col, std::size_t textBytes);
  // Replaces the text of a column that has a slot; moves the texts after it.
  void ReplaceText(int col, std::string_view text);

  std::unique_ptr<Slot[]> block_;
  std::uint32_t units_ = 0;      // Slot-sized units allocated
  std::uint32_t textBytes_ = 0;  // text bytes in use
  std::uint16_t slots_ = 0;      // columns that have a slot
  std::uint16_t count_ = 0;      // slots that hold a cell
};

class GridCellStore {
 public:
  std::optional<StoredCell> Find(int row, int col) const;
  void Store(int row, int col, char protection, std::string_view text);
  // Sets the protection of a stored cell; false when there is none.
  bool SetProtection(int row, int col, char protection);
  bool Remove(int row, int col);
  // Drops every cell below that row.
  void RemoveRowsAfter(int row);
  // Drops every cell right of that column.
  void RemoveColumnsAfter(int col);
  void Clear();
  bool Empty() const { return size_ == 0; }
  std::size_t Size() const { return size_; }
  // Row of the highest stored cell; 0 when the store is empty.
  int LastRow() const { return rows_.empty() ? 0 : static_cast<int>(rows_.size()) - 1; }
  // Heap bytes held for the cells.
  std::size_t AllocatedBytes() const;
  // Visits cells in row, then column order.
  void ForEach(const std::function<void(int row, int col, const StoredCell&)>& visit) const;
  // Visits the cells of one row from column first to column last.
  void ForEachInRow(int row, int firstCol, int lastCol,
                    const std::function<void(int col, const StoredCell&)>& visit) const;

 private:
  // Rows without cells at the end are dropped, so the last row holds one.
  void TrimEmptyRows();

  std::vector<GridRowCells> rows_;
  std::size_t size_ = 0;
};
