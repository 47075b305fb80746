#include "document/clipboard_transfer.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/headless_platform.h"

namespace {

using Contents = std::map<std::string, std::string, std::less<>>;

class ClipboardTransfer : public ::testing::Test {
 protected:
  void Place(std::string_view format, std::string_view bytes) {
    MemoryClipboard& clipboard = platform.Memory();
    ASSERT_TRUE(clipboard.Open(nullptr));
    ASSERT_TRUE(PutClipboardData(bytes, format));
    clipboard.Close();
  }

  HeadlessPlatform platform;
  ScopedPlatform installed{platform};
};

TEST_F(ClipboardTransfer, CopyReplacesEverythingWithTextRowAndElement) {
  Place(kFormatMachine, "<BUDGETMACHINE></BUDGETMACHINE>");
  EXPECT_TRUE(CopyRecordToClipboard(nullptr, "<BUDGETLINE>\r\n</BUDGETLINE>\r\n", "Hay\tton\t",
                                    kFormatBudgetLine));
  EXPECT_EQ(platform.Memory().Contents(),
            (Contents{{"text/plain", "Hay\tton\t"},
                      {"xml/QRN-BudgetLine", "<BUDGETLINE>\r\n</BUDGETLINE>\r\n"}}));
  EXPECT_FALSE(platform.Memory().IsOpen());
}

TEST_F(ClipboardTransfer, CopyFailsAndChangesNothingWhileAnotherProgramHoldsTheClipboard) {
  Place(kFormatExpense, "old");
  platform.Memory().SetLocked(true);
  EXPECT_FALSE(CopyRecordToClipboard(nullptr, "<A></A>", "row", kFormatExpense));
  EXPECT_EQ(platform.Memory().Contents(), (Contents{{"xml/QRN-Expense", "old"}}));
}

TEST_F(ClipboardTransfer, FetchRefusesDataLargerThanCapacityButReportsItsSize) {
  Place(kFormatVeterinary, "0123456789");
  std::string destination = "kept";
  std::size_t size = 99;
  EXPECT_FALSE(FetchClipboardData(nullptr, &destination, 9, &size, kFormatVeterinary));
  EXPECT_EQ(size, 10u);
  EXPECT_EQ(destination, "kept");

  EXPECT_TRUE(FetchClipboardData(nullptr, &destination, 10, &size, kFormatVeterinary));
  EXPECT_EQ(size, 10u);
  EXPECT_EQ(destination, "0123456789");

  destination = "kept";
  EXPECT_FALSE(FetchClipboardData(nullptr, &destination, 1020, &size, kFormatMachine));
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(destination, "kept");
}

TEST_F(ClipboardTransfer, OffersExactlyTheFormatsItHolds) {
  EXPECT_FALSE(IsClipboardFormatOffered(nullptr, kFormatBuilding));
  Place(kFormatBuilding, "");
  EXPECT_TRUE(IsClipboardFormatOffered(nullptr, kFormatBuilding));
  for (std::string_view other : {kFormatMachine, std::string_view("XML/QRN-BUILDING")})
    EXPECT_FALSE(IsClipboardFormatOffered(nullptr, other)) << other;
}

}  // namespace
