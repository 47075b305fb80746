// One line through the clipboard, carrying the section it was copied from.
#include <array>
#include <string>

#include "platform/clipboard_transfer.h"
#include "text/tag_buffer.h"
#include "text/tag_reader.h"
#include "model/budget_line.h"
#include "text/text_case.h"
#include "platform/app_message.h"

namespace {

constexpr std::size_t kClipboardBytes = 1024;
constexpr std::size_t kPasteCapacity = 1020;
constexpr std::size_t kSectionWordChars = 32;

constexpr std::array<std::string_view, 3> kSectionWords = {"Returns", "Operating", "Ownership"};

constexpr std::string_view kMovingCalculatedRow =
    "You are moving a calculated (blue) row between sections.\n\nThis new row will be converted "
    "to a normal editable row, and will no longer be updated by distributions.";

std::string SectionElement(int section) {
  if (section < 0 || section >= static_cast<int>(kSectionWords.size())) return {};
  return "<SECTION>" + std::string(kSectionWords[static_cast<std::size_t>(section)]) +
         "</SECTION>";
}

// -1 for a missing or unknown word.
int SectionOfElement(std::string_view data) {
  std::string word;
  if (!ReadText("SECTION", &word, kSectionWordChars, data, 0, data.size())) return -1;
  for (std::size_t i = 0; i < kSectionWords.size(); ++i) {
    if (EqualsNoCase(word, kSectionWords[i])) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

bool CBudgetLine::CopyToClipboard(PlatformWindow* window, const CCropBudget& budget,
                                  int section) const {
  CTagBuffer element;
  element.Reserve(kClipboardBytes);
  WriteTags(element, "BUDGETLINE", SectionElement(section));
  std::string row;
  row.reserve(kClipboardBytes);
  GetRowText(row, budget);
  return CopyRecordToClipboard(window, element.View(), row, kFormatBudgetLine);
}

bool CBudgetLine::PasteFromClipboard(PlatformWindow* window, int targetSection) {
  std::string data;
  std::size_t size = 0;
  if (!FetchClipboardData(window, &data, kPasteCapacity, &size, kFormatBudgetLine)) return false;

  ReadTags(data, 0, data.size());
  // In Returns a carried-over weight would turn up as an editable figure that
  // silently multiplies the total.
  if (targetSection == kSectionReturns) weight = -1.0;
  if (IsCalculated() && SectionOfElement(data) != targetSection) {
    App_MessageBox(kMovingCalculatedRow);
    source = kSourceNone;
  }
  return true;
}
