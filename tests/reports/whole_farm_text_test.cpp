// The whole-farm lists as text, and their clipboard copies.
#include <gtest/gtest.h>

#include <string>

#include "headless/headless_platform.h"
#include "reports/whole_farm_fixture.h"
#include "reports/whole_farm_text.h"

namespace {

TEST(WholeFarmText, CopiesPlaceTheTextUnlessTheClipboardIsHeld) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  CBudgetWorksheet worksheet;
  FillWholeFarm(worksheet);
  MemoryClipboard& clipboard = platform.Memory();
  std::string text;
  const auto expenses = [&worksheet] { return std::optional(RenderExpenseText(worksheet)); };
  ASSERT_TRUE(CopyTextToClipboard(nullptr, expenses));
  ASSERT_TRUE(clipboard.Fetch(kClipboardTextFormat, &text));
  EXPECT_EQ(text, kWholeFarmExpenseText);
  ASSERT_TRUE(CopyTextToClipboard(
      nullptr, [&worksheet] { return std::optional(RenderVeterinaryText(worksheet)); }));
  EXPECT_EQ(clipboard.Contents().size(), 1u);

  clipboard.SetLocked(true);
  EXPECT_FALSE(CopyTextToClipboard(nullptr, expenses));
  EXPECT_FALSE(worksheet.CopyTabToClipboard(nullptr, 9));  // nor says anything
  clipboard.SetLocked(false);
  ASSERT_TRUE(clipboard.Fetch(kClipboardTextFormat, &text));
  EXPECT_EQ(text, kWholeFarmVeterinaryText);
  EXPECT_TRUE(platform.TakeMessages().empty());
}

}  // namespace
