#pragma once
// The contract every whole-farm record keeps. A record is one link of its list's
// chain; it has a slot per budget, takes typed cell text, shows itself as a grid
// row and as a text row for a view of its window, and describes its markup and
// clipboard element once. Everything else a list does (reading and writing the
// document, slot shifting, clipboard, row commands, the window) is shared code
// written against this contract.

#include <concepts>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "farm/distribution.h"
#include "farm/record_markup.h"

class GridEngine;

// What a window shows: its tab (0 for windows without tabs), the worksheet's
// number of budgets, whose columns the rows carry, and which variant of the
// record class the list holds (machinery or buildings, purchased or retained).
struct ListView {
  int tab = 0;
  int budgetCount = 0;
  int variant = 0;
};

template <typename Record>
concept WholeFarmRecord = requires(Record& record, const Record& shown, const ListView& view,
                                   GridEngine& grid, std::string& text, std::string* problem) {
  { record.next } -> std::same_as<std::unique_ptr<Record>&>;
  { record.allocation } -> std::same_as<AllocationSlots&>;
  { shown.IsHeading() } -> std::same_as<bool>;
  // Stores one typed cell; a value that cannot be read is described in *problem.
  { record.SetValue(view, 1, std::string_view(), problem) } -> std::same_as<bool>;
  shown.FillGridRow(grid, 1, view);
  shown.GetRowText(text, view);
  { Record::Markup() } -> std::same_as<const RecordMarkup<Record>&>;
  // The element a record travels in on the clipboard, and the room for it.
  { Record::kClipboardElement } -> std::convertible_to<std::string_view>;
  { Record::kClipboardCopyBytes } -> std::convertible_to<std::size_t>;
  { Record::kClipboardPasteBytes } -> std::convertible_to<std::size_t>;
};
