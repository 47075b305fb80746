#pragma once
// One whole-farm list described once: where its records stand in the document
// and on the clipboard, which variant of its record class it holds, and what its
// slots mean. ListKindOf turns a description into the operations the document
// runs over every list alike.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "farm/distribution.h"
#include "farm/whole_farm_record.h"
#include "model/line_chain.h"
#include "platform/clipboard_transfer.h"

class CTagBuffer;
class WholeFarmLists;

template <WholeFarmRecord Record>
struct WholeFarmList {
  std::string_view element;                       // each record's element in the document
  std::unique_ptr<Record> WholeFarmLists::*head;  // where the document keeps the list
  std::string_view clipboardFormat;               // a record's registered clipboard format
  int variant = 0;                                // of the record class, for this list
  SlotMeaning slotMeaning = SlotMeaning::kPercentages;

  std::unique_ptr<Record>& Head(WholeFarmLists& lists) const { return lists.*head; }
  const std::unique_ptr<Record>& Head(const WholeFarmLists& lists) const { return lists.*head; }
};

template <WholeFarmRecord Record>
void WriteListRecord(const Record& record, const WholeFarmList<Record>& list, CTagBuffer& buffer,
                     std::string_view element, int budgetCount) {
  WriteRecordTags(record, Record::Markup(), list.variant, buffer, element, budgetCount);
}

template <WholeFarmRecord Record>
void ReadListRecord(Record& record, const WholeFarmList<Record>& list, const TagIndex& content) {
  ReadRecordTags(record, Record::Markup(), list.variant, content);
}

// The record's text row for the view as plain text and its element in the list's
// format. A record too large for its clipboard room is not copied.
template <WholeFarmRecord Record>
bool CopyListRecord(const Record& record, const WholeFarmList<Record>& list,
                    const ListView& view) {
  CTagBuffer element;
  element.Reserve(Record::kClipboardCopyBytes);
  WriteListRecord(record, list, element, Record::kClipboardElement, view.budgetCount);
  std::string row;
  record.GetRowText(row, view);
  if (element.View().size() > Record::kClipboardCopyBytes ||
      row.size() >= Record::kClipboardCopyBytes) {
    return false;
  }
  return CopyRecordToClipboard(nullptr, element.View(), row, list.clipboardFormat);
}

// Reads a record of the list's format into this one; data larger than the room
// for a paste is not read.
template <WholeFarmRecord Record>
bool PasteListRecord(Record& record, const WholeFarmList<Record>& list) {
  std::string data;
  std::size_t size = 0;
  if (!FetchClipboardData(nullptr, &data, Record::kClipboardPasteBytes, &size,
                          list.clipboardFormat)) {
    return false;
  }
  ReadListRecord(record, list, TagIndex(data, 0, data.size()));
  return true;
}

// What the document does with every list alike, whatever its record class.
// Kinds live as long as the program and are never deleted through this
// interface; their destructors do nothing, so a document destroyed at exit can
// still clear its lists through them.
class ListKind {
 public:
  virtual std::string_view Element() const = 0;
  virtual void Clear(WholeFarmLists& lists) const = 0;
  virtual void WriteRecords(const WholeFarmLists& lists, CTagBuffer& buffer,
                            int budgetCount) const = 0;
  virtual void RemoveBudgetSlot(WholeFarmLists& lists, int k) const = 0;
  // Reads one element's content, given as its index, into a new record at the
  // end of the list. The appender keeps the list's end, so a long list is read
  // in one pass.
  using Appender = std::function<void(const TagIndex& content)>;
  virtual Appender AppendAtEnd(WholeFarmLists& lists) const = 0;
  // Exact copies of the records, in place of the other lists' own.
  virtual void CopyRecords(const WholeFarmLists& from, WholeFarmLists& to) const = 0;
  virtual bool SameRecords(const WholeFarmLists& a, const WholeFarmLists& b) const = 0;
  virtual std::size_t HeldBytes(const WholeFarmLists& lists) const = 0;

 protected:
  ~ListKind() = default;
};

template <WholeFarmRecord Record>
class ListKindOf final : public ListKind {
 public:
  ~ListKindOf() = default;
  explicit ListKindOf(const WholeFarmList<Record>& list) : list_(list) {}

  std::string_view Element() const override { return list_.element; }
  void Clear(WholeFarmLists& lists) const override { DestroyChain(list_.Head(lists)); }
  void WriteRecords(const WholeFarmLists& lists, CTagBuffer& buffer,
                    int budgetCount) const override {
    for (const Record* record = list_.Head(lists).get(); record; record = record->next.get())
      WriteListRecord(*record, list_, buffer, list_.element, budgetCount);
  }
  void RemoveBudgetSlot(WholeFarmLists& lists, int k) const override {
    for (Record* record = list_.Head(lists).get(); record; record = record->next.get())
      RemoveAllocationSlot(record->allocation, k, -1.0);
  }
  Appender AppendAtEnd(WholeFarmLists& lists) const override {
    std::unique_ptr<Record>* tail = &TailSlot(list_.Head(lists));
    return [this, tail](const TagIndex& content) mutable {
      *tail = std::make_unique<Record>();
      ReadListRecord(**tail, list_, content);
      tail = &(*tail)->next;
    };
  }
  void CopyRecords(const WholeFarmLists& from, WholeFarmLists& to) const override {
    std::unique_ptr<Record>& head = list_.Head(to);
    DestroyChain(head);
    std::unique_ptr<Record>* tail = &head;
    for (const Record* record = list_.Head(from).get(); record; record = record->next.get()) {
      *tail = std::make_unique<Record>();
      CopyRecordFields(*record, **tail, Record::Markup());
      tail = &(*tail)->next;
    }
  }
  bool SameRecords(const WholeFarmLists& a, const WholeFarmLists& b) const override {
    const Record* x = list_.Head(a).get();
    const Record* y = list_.Head(b).get();
    for (; x && y; x = x->next.get(), y = y->next.get()) {
      if (!SameRecordFields(*x, *y, Record::Markup())) return false;
    }
    return !x && !y;
  }
  std::size_t HeldBytes(const WholeFarmLists& lists) const override {
    std::size_t bytes = 0;
    for (const Record* record = list_.Head(lists).get(); record; record = record->next.get()) {
      bytes += sizeof(Record);
      for (const MarkupField<Record>& field : Record::Markup().fields) {
        if (field.text) bytes += (record->*field.text).capacity();
      }
    }
    return bytes;
  }

 private:
  const WholeFarmList<Record>& list_;
};
