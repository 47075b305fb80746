#include "grid/grid_cell_store.h"

#include <algorithm>
#include <string>

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
  if (text.empty()) return 'A';
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

namespace {

constexpr std::size_t kSlotBytes = 8;  // one slot: offset, length, protection, type
// Slots come eight columns at a time, so a row filled left to right gets its
// slots once; texts grow by half again, so a row filled cell by cell is
// copied a few times, not once per cell.
constexpr int kSlotStep = 8;
constexpr std::size_t kFirstTextBytes = 64;

std::size_t UnitsFor(std::size_t bytes) { return (bytes + kSlotBytes - 1) / kSlotBytes; }

bool Overlaps(std::string_view text, const char* begin, std::size_t size) {
  if (text.empty() || begin == nullptr) return false;
  const std::less<const char*> before;
  return !before(text.data(), begin) && before(text.data(), begin + size);
}

}  // namespace

std::optional<StoredCell> GridRowCells::Find(int col) const {
  if (col < 0 || col >= slots_) return std::nullopt;
  const Slot& slot = Slots()[col];
  if (slot.type == 0) return std::nullopt;
  return StoredCell{slot.protection, slot.type, std::string_view(Texts() + slot.offset, slot.length)};
}

void GridRowCells::Reserve(int col, std::size_t textBytes) {
  static_assert(sizeof(Slot) == kSlotBytes);
  const int slots = col < slots_ ? slots_ : std::min((col / kSlotStep + 1) * kSlotStep, kGridMaxCols + 1);
  if (slots == slots_ && textBytes <= TextCapacity()) return;
  std::size_t capacity = std::max(TextCapacity(), kFirstTextBytes);
  while (capacity < textBytes) capacity += capacity / 2;
  const std::size_t units = static_cast<std::size_t>(slots) + UnitsFor(capacity);
  std::unique_ptr<Slot[]> block(new Slot[units]);
  std::copy(Slots(), Slots() + slots_, block.get());
  std::fill(block.get() + slots_, block.get() + slots, Slot{0, 0, 0, 0});
  std::copy(Texts(), Texts() + textBytes_, reinterpret_cast<char*>(block.get() + slots));
  block_ = std::move(block);
  units_ = static_cast<std::uint32_t>(units);
  slots_ = static_cast<std::uint16_t>(slots);
}

void GridRowCells::ReplaceText(int col, std::string_view text) {
  Slot& slot = Slots()[col];
  if (slot.type != 0 && slot.length == text.size()) {
    std::copy(text.begin(), text.end(), Texts() + slot.offset);
    return;
  }
  if (slot.type != 0 && slot.length > 0) {
    // Close the gap the old text leaves; the texts after it move down.
    const std::uint32_t gapEnd = slot.offset + slot.length;
    std::copy(Texts() + gapEnd, Texts() + textBytes_, Texts() + slot.offset);
    for (int c = 0; c < slots_; ++c) {
      Slot& other = Slots()[c];
      if (other.type != 0 && other.offset >= gapEnd) other.offset -= slot.length;
    }
    textBytes_ -= slot.length;
  }
  Reserve(col, textBytes_ + text.size());
  Slot& kept = Slots()[col];
  std::copy(text.begin(), text.end(), Texts() + textBytes_);
  kept.offset = textBytes_;
  kept.length = static_cast<std::uint16_t>(text.size());
  textBytes_ += static_cast<std::uint32_t>(text.size());
}

bool GridRowCells::Store(int col, char protection, char type, std::string_view text) {
  if (Overlaps(text, Texts(), TextCapacity())) {
    // A text read from this row would move under the copy.
    const std::string copy(text);
    return Store(col, protection, type, copy);
  }
  Reserve(col, textBytes_);
  ReplaceText(col, text);
  Slot& slot = Slots()[col];
  const bool added = slot.type == 0;
  slot.protection = protection;
  slot.type = type;
  if (added) ++count_;
  return added;
}

bool GridRowCells::SetProtection(int col, char protection) {
  if (col < 0 || col >= slots_ || Slots()[col].type == 0) return false;
  Slots()[col].protection = protection;
  return true;
}

bool GridRowCells::Remove(int col) {
  if (col < 0 || col >= slots_ || Slots()[col].type == 0) return false;
  ReplaceText(col, {});
  Slots()[col] = Slot{0, 0, 0, 0};
  if (--count_ == 0) *this = GridRowCells{};
  return true;
}

int GridRowCells::RemoveAfter(int col) {
  int removed = 0;
  for (int c = slots_ - 1; c > col && count_ > 0; --c) {
    if (Remove(c)) ++removed;
  }
  return removed;
}

void GridRowCells::ForEach(int firstCol, int lastCol,
                           const std::function<void(int col, const StoredCell&)>& visit) const {
  for (int col = std::max(firstCol, 0); col <= lastCol && col < slots_; ++col) {
    if (const std::optional<StoredCell> cell = Find(col)) visit(col, *cell);
  }
}

std::optional<StoredCell> GridCellStore::Find(int row, int col) const {
  if (!InStoreRange(row, col) || static_cast<std::size_t>(row) >= rows_.size()) return std::nullopt;
  return rows_[static_cast<std::size_t>(row)].Find(col);
}

void GridCellStore::Store(int row, int col, char protection, std::string_view text) {
  if (!InStoreRange(row, col)) return;
  const std::string_view kept = FirstChars(text, kGridCellMaxChars);
  const auto index = static_cast<std::size_t>(row);
  if (index >= rows_.size()) rows_.resize(index + 1);
  if (rows_[index].Store(col, protection, ClassifyCellText(kept), kept)) ++size_;
}

bool GridCellStore::SetProtection(int row, int col, char protection) {
  if (!InStoreRange(row, col) || static_cast<std::size_t>(row) >= rows_.size()) return false;
  return rows_[static_cast<std::size_t>(row)].SetProtection(col, protection);
}

bool GridCellStore::Remove(int row, int col) {
  if (!InStoreRange(row, col) || static_cast<std::size_t>(row) >= rows_.size()) return false;
  if (!rows_[static_cast<std::size_t>(row)].Remove(col)) return false;
  --size_;
  TrimEmptyRows();
  return true;
}

void GridCellStore::RemoveRowsAfter(int row) {
  if (row < 0) row = 0;
  const auto kept = static_cast<std::size_t>(row) + 1;
  if (rows_.size() <= kept) return;
  for (std::size_t r = kept; r < rows_.size(); ++r) size_ -= static_cast<std::size_t>(rows_[r].Count());
  rows_.resize(kept);
  TrimEmptyRows();
  // A short table after a tall one need not keep the tall one's row index.
  if (rows_.capacity() > 2 * rows_.size() + 1024) rows_.shrink_to_fit();
}

void GridCellStore::RemoveColumnsAfter(int col) {
  if (col < 0) col = 0;
  for (GridRowCells& row : rows_) size_ -= static_cast<std::size_t>(row.RemoveAfter(col));
  TrimEmptyRows();
}

void GridCellStore::Clear() {
  rows_ = std::vector<GridRowCells>();
  size_ = 0;
}

void GridCellStore::TrimEmptyRows() {
  while (!rows_.empty() && rows_.back().Count() == 0) rows_.pop_back();
}

std::size_t GridCellStore::AllocatedBytes() const {
  std::size_t bytes = rows_.capacity() * sizeof(GridRowCells);
  for (const GridRowCells& row : rows_) bytes += row.AllocatedBytes();
  return bytes;
}

void GridCellStore::ForEach(
    const std::function<void(int row, int col, const StoredCell&)>& visit) const {
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    const int row = static_cast<int>(r);
    rows_[r].ForEach(0, kGridMaxCols, [&](int col, const StoredCell& cell) { visit(row, col, cell); });
  }
}

void GridCellStore::ForEachInRow(int row, int firstCol, int lastCol,
                                 const std::function<void(int col, const StoredCell&)>& visit) const {
  if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) return;
  rows_[static_cast<std::size_t>(row)].ForEach(firstCol, std::min(lastCol, kGridMaxCols), visit);
}
