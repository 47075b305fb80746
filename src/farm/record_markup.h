#pragma once
// A whole-farm record's markup as a table of its elements: the one table both
// writes a record and reads it back, so the two can never disagree.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "farm/distribution.h"
#include "text/tag_buffer.h"
#include "text/tag_reader.h"
#include "text/tag_writer.h"

// Item elements belong to records that are not headings; a heading writes only
// its heading elements.
enum class FieldRole { kItem, kHeading };

template <typename Record>
struct MarkupField {
  std::string_view tag;
  std::string Record::*text = nullptr;    // a text of at most `size` characters
  double Record::*real = nullptr;         // a real with `size` decimals
  std::int32_t Record::*count = nullptr;  // a count
  std::size_t size = 0;
  FieldRole role = FieldRole::kItem;
  int variant = -1;  // the one variant of the list it belongs to; -1: every variant
  // Read as empty in the variants it does not belong to, whatever a file holds.
  bool emptyElsewhere = false;

  constexpr MarkupField ForVariant(int only, bool empty = false) const {
    MarkupField field = *this;
    field.variant = only;
    field.emptyElsewhere = empty;
    return field;
  }
  constexpr MarkupField AsHeading() const {
    MarkupField field = *this;
    field.role = FieldRole::kHeading;
    return field;
  }
  constexpr bool AppliesTo(int listVariant) const { return variant < 0 || variant == listVariant; }
};

template <typename Record>
constexpr MarkupField<Record> TextField(std::string_view tag, std::string Record::*member,
                                        std::size_t chars) {
  return {tag, member, nullptr, nullptr, chars};
}
template <typename Record>
constexpr MarkupField<Record> RealField(std::string_view tag, double Record::*member,
                                        std::size_t decimals) {
  return {tag, nullptr, member, nullptr, decimals};
}
template <typename Record>
constexpr MarkupField<Record> CountField(std::string_view tag, std::int32_t Record::*member) {
  return {tag, nullptr, nullptr, member, 0};
}

template <typename Record>
struct RecordMarkup {
  std::span<const MarkupField<Record>> fields;
  std::int32_t Record::*heading = nullptr;  // records of lists without headings have none
};

// Successive ALLOCATION elements of [start, end) fill slots from 0; the first
// gap ends them, and so does the last slot.
void ReadAllocationSlots(AllocationSlots& shares, std::string_view text, std::size_t start,
                         std::size_t end);

// "<ELEMENT>", the item fields in table order and one ALLOCATION per budget with
// a slot, or a heading's heading fields, then "</ELEMENT>".
template <typename Record>
void WriteRecordTags(const Record& record, const RecordMarkup<Record>& markup, int variant,
                     CTagBuffer& buffer, std::string_view element, int budgetCount) {
  const bool heading = markup.heading && record.*markup.heading;
  AppendOpenTag(buffer, element);
  for (const MarkupField<Record>& field : markup.fields) {
    if ((field.role == FieldRole::kHeading) != heading || !field.AppliesTo(variant)) continue;
    if (field.text) AppendTextElement(buffer, "\t", field.tag, record.*field.text);
    if (field.real) {
      AppendRealElement(buffer, "\t", field.tag, record.*field.real, static_cast<int>(field.size));
    }
    if (field.count) AppendIntElement(buffer, "\t", field.tag, record.*field.count);
  }
  if (!heading) {
    for (int k = 0; k < SlotsInUse(budgetCount); ++k) {
      AppendRealElement(buffer, "\t\t", "ALLOCATION", record.allocation[static_cast<std::size_t>(k)],
                        2);
    }
  }
  AppendCloseTag(buffer, element);
}

// The record's stored fields, heading mark and shares, as they stand in memory:
// a copy through markup would keep only a file's decimals.
template <typename Record>
void CopyRecordFields(const Record& from, Record& to, const RecordMarkup<Record>& markup) {
  for (const MarkupField<Record>& field : markup.fields) {
    if (field.text) to.*field.text = from.*field.text;
    if (field.real) to.*field.real = from.*field.real;
    if (field.count) to.*field.count = from.*field.count;
  }
  if (markup.heading) to.*markup.heading = from.*markup.heading;
  to.allocation = from.allocation;
}

template <typename Record>
bool SameRecordFields(const Record& a, const Record& b, const RecordMarkup<Record>& markup) {
  for (const MarkupField<Record>& field : markup.fields) {
    if (field.text && a.*field.text != b.*field.text) return false;
    if (field.real && a.*field.real != b.*field.real) return false;
    if (field.count && a.*field.count != b.*field.count) return false;
  }
  if (markup.heading && a.*markup.heading != b.*markup.heading) return false;
  return a.allocation == b.allocation;
}

// Reads an element's content, given as its index. A heading element makes the
// record a heading; every field is searched from the start of the content, and
// a missing one keeps its value.
template <typename Record>
void ReadRecordTags(Record& record, const RecordMarkup<Record>& markup, int variant,
                    const TagIndex& index) {
  bool heading = false;
  if (markup.heading) {
    CTagElement found;
    for (const MarkupField<Record>& field : markup.fields) {
      if (field.role == FieldRole::kHeading && index.FindElement(field.tag, &found)) heading = true;
    }
    if (heading) record.*markup.heading = 1;
  }
  for (const MarkupField<Record>& field : markup.fields) {
    if ((field.role == FieldRole::kHeading) != heading) continue;
    if (!field.AppliesTo(variant)) {
      if (field.emptyElsewhere && field.real) record.*field.real = -1;
      if (field.emptyElsewhere && field.count) record.*field.count = -1;
      continue;
    }
    if (field.text) index.ReadText(field.tag, &(record.*field.text), field.size);
    if (field.real) index.ReadReal(field.tag, &(record.*field.real));
    if (field.count) index.ReadInteger(field.tag, &(record.*field.count));
  }
  if (!heading) {
    const CTagElement content = index.Element();
    ReadAllocationSlots(record.allocation, content.text, content.contentStart, content.contentEnd);
  }
}

template <typename Record>
void ReadRecordTags(Record& record, const RecordMarkup<Record>& markup, int variant,
                    std::string_view text, std::size_t start, std::size_t end) {
  ReadRecordTags(record, markup, variant, TagIndex(text, start, end));
}
