#include "grid/grid_cell_store.h"

#include "text/utf8_text.h"
#include "grid/grid_messages.h"

namespace {

bool InStoreRange(int row, int col) {
  return row >= 0 && row <= kGridMaxRows && col >= 0 && col <= kGridMaxCols;
}

// Only ASCII case is folded: "TRUE" and "FALSE" are the only words that matter.
bool EqualsUpper(std::string_view text, std::string_view upper) {
  if (text.size() != upper.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != upper[i]) return false;
  }
  return true;
}

// Bytes of multibyte characters count as letters, so accented words stay text.
bool IsLetter(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0x80;
}

}  // namespace

char ClassifyCellText(std::string_view text) {
  if (EqualsUpper(text, "TRUE")) return 'T';
  if (EqualsUpper(text, "FALSE")) return 'F';
  if (!text.empty() && text.front() == '~') return 'G';

  int digits = 0;
  int points = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (IsLetter(c)) return 'A';
    if (i > 0 && (c == '+' || c == '-' || c == '$')) return 'A';
    if (c >= '0' && c <= '9') ++digits;
    if (c == '.') ++points;
  }
  return digits > 0 && points < 2 ? 'N' : 'A';
}

int CellTypeNumber(char type) {
  switch (type) {
    case 'N': return kCellNumber;
    case 'T': return kCellTrue;
    case 'F': return kCellFalse;
    case 'G': return kCellOwnerDraw;
    default: return kCellText;
  }
}

const StoredCell* GridCellStore::Find(int row, int col) const {
  if (!InStoreRange(row, col)) return nullptr;
  const auto it = cells_.find(Key(row, col));
  return it == cells_.end() ? nullptr : &it->second;
}

StoredCell* GridCellStore::Find(int row, int col) {
  if (!InStoreRange(row, col)) return nullptr;
  const auto it = cells_.find(Key(row, col));
  return it == cells_.end() ? nullptr : &it->second;
}

void GridCellStore::Store(int row, int col, char protection, std::string_view text) {
  // The key packs the column into 9 bits; anything wider would alias another cell.
  if (!InStoreRange(row, col)) return;
  const std::string_view kept = FirstChars(text, kGridCellMaxChars);
  StoredCell& cell = cells_[Key(row, col)];
  cell.protection = protection;
  cell.type = ClassifyCellText(kept);
  cell.text.assign(kept);
}

bool GridCellStore::Remove(int row, int col) {
  if (!InStoreRange(row, col)) return false;
  return cells_.erase(Key(row, col)) > 0;
}

int GridCellStore::LastRow() const {
  if (cells_.empty()) return 0;
  return static_cast<int>(cells_.rbegin()->first >> 9);
}

void GridCellStore::ForEach(
    const std::function<void(int row, int col, const StoredCell&)>& visit) const {
  for (const auto& [key, cell] : cells_) {
    visit(static_cast<int>(key >> 9), static_cast<int>(key & 0x1FF), cell);
  }
}

void GridCellStore::ForEachInRow(int row, int firstCol, int lastCol,
                                 const std::function<void(int col, const StoredCell&)>& visit) const {
  if (row < 0 || row > kGridMaxRows) return;
  if (firstCol < 0) firstCol = 0;
  if (lastCol > kGridMaxCols) lastCol = kGridMaxCols;
  if (firstCol > lastCol) return;
  const auto end = cells_.upper_bound(Key(row, lastCol));
  for (auto it = cells_.lower_bound(Key(row, firstCol)); it != end; ++it) {
    visit(static_cast<int>(it->first & 0x1FF), it->second);
  }
}

void GridCellStore::RemoveRowsAfter(int row) {
  if (row < 0) row = 0;
  if (row >= kGridMaxRows) return;
  cells_.erase(cells_.lower_bound(Key(row + 1, 0)), cells_.end());
}

void GridCellStore::RemoveColumnsAfter(int col) {
  if (col < 0) col = 0;
  for (auto cell = cells_.begin(); cell != cells_.end();) {
    if (static_cast<int>(cell->first & 0x1FF) > col) {
      cell = cells_.erase(cell);
    } else {
      ++cell;
    }
  }
}
