// Any bytes as a document file: reading must never crash or overrun, the lists
// must read as a pass over the whole document reads them, showing it must not
// change it, and what is read must save to a text that reads back to the same
// text.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "text/tag_buffer.h"
#include "text/tag_reader.h"
#include "document/worksheet.h"
#include "farm/whole_farm_lists.h"
#include "grid/grid_engine.h"
#include "grid/headless_grid_host.h"
#include "model/budget_line.h"
#include "headless/headless_platform.h"
#include "reports/budget_text.h"

namespace {

std::string SaveText(const CBudgetWorksheet& worksheet) {
  CTagBuffer buffer;
  worksheet.WriteTags(buffer);
  return std::string(buffer.View());
}

std::string ListsText(const WholeFarmLists& lists) {
  CTagBuffer buffer;
  lists.WriteTags(buffer, MAX_ALLOCATIONS);
  return std::string(buffer.View());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > kMaxDocumentBytes) return 0;
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  // A clipboard record read on its own, as a paste does.
  CBudgetLine line;
  line.ReadTags(text, 0, text.size());

  CBudgetWorksheet worksheet;
  if (!worksheet.ReadTags(text)) return 0;
  // The lists' pass leaves unread the budgets seen to hold none of their tags:
  // read everywhere, the lists come out the same.
  CTagElement root;
  if (!FindElement("BUDGETWORKSHEET", text, 0, text.size(), &root)) std::abort();
  WholeFarmLists everywhere;
  everywhere.ReadTags(text, root.contentStart, root.contentEnd);
  if (ListsText(everywhere) != ListsText(worksheet.lists)) std::abort();
  worksheet.RefreshOperatingInterest();  // as opening a file does
  const std::string saved = SaveText(worksheet);

  HeadlessGridHost host;
  for (CCropBudget* budget = worksheet.budgets.get(); budget; budget = budget->next.get()) {
    GridEngine grid(1500, host);
    budget->FillGrid(grid);
    RenderBudgetText(*budget);
  }
  // Once open, showing the document never changes it: the modified flag would
  // not know, and a save would write something else.
  if (SaveText(worksheet) != saved) std::abort();

  CBudgetWorksheet reread;
  if (!reread.ReadTags(saved) || SaveText(reread) != saved) std::abort();
  return 0;
}
