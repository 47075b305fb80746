// The summary tab's text and Rich Text, and what its copy places.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless/headless_platform.h"
#include "reports/summary_fixture.h"
#include "reports/summary_text.h"
#include "text/rtf_reader.h"

namespace {

TEST(SummaryText, BothRenderingsOfBudgetsOfEverySize) {
  CBudgetWorksheet worksheet;
  FillSummaryWorksheet(worksheet);
  const SummaryRenderings summary = RenderSummary(worksheet);
  EXPECT_EQ(summary.text, kSummaryText);
  EXPECT_EQ(summary.rtf, kSummaryRtf);
}

TEST(SummaryText, NoContactAndNoBudgetsGiveTheHeadingsAndAZeroTotal) {
  CBudgetWorksheet worksheet;
  const SummaryRenderings summary = RenderSummary(worksheet);
  EXPECT_EQ(summary.text,
            "Gross Margin Analysis (per acre)\n\n"
            "Crop\tRevenue Per Acre\tVariable Costs Per Acre\tGross Margin Per Acre\n"
            "\n\nWhole Farm Summary (totals)\n\n"
            "Crop\tAcres\tTotal Revenue\tTotal Costs\tNet Returns\n"
            "TOTAL\t0\t$ 0.00\t$ 0.00\t$ 0.00\n");
  EXPECT_EQ(summary.rtf.find("\\fs18\r\n\\b Gross Margin"), summary.rtf.find("\\fs18"));
  EXPECT_TRUE(summary.rtf.ends_with("\\b TOTAL\\tab 0\\tab $ 0.00\\tab $ 0.00\\tab $ 0.00\\b0\\par\n}\n"));
}

TEST(SummaryText, AddressLinesEachEndAParagraph) {
  CBudgetWorksheet worksheet;
  worksheet.address = "Box 7\n\nRidge Road\n";
  const SummaryRenderings summary = RenderSummary(worksheet);
  EXPECT_TRUE(summary.text.starts_with("Address: Box 7\n\nRidge Road\n\n\n\nGross"));
  EXPECT_TRUE(summary.rtf.find("\\fs18\r\nAddress: Box 7\\par\n\\par\nRidge Road\\par\n \\par\\par\n\\b Gross") !=
              std::string::npos);
}

// Whatever the user typed stays text: the text copy as typed, the Rich Text
// escaped so that a reader shows exactly it.
TEST(SummaryText, TypedTextNeverBecomesRichTextMarkup) {
  CBudgetWorksheet worksheet;
  worksheet.name = "Back\\slash {Ranch} \\par}";
  worksheet.phone = "Caf\xC3\xA9 \xE2\x82\xAC \xCE\xA9";
  CCropBudget& budget = *worksheet.GetBudget(0, true);
  budget.title = "}{\\b0";
  budget.publicationId = "\xF0\x9D\x84\x9E";
  const SummaryRenderings summary = RenderSummary(worksheet);
  EXPECT_TRUE(summary.text.starts_with("Name: Back\\slash {Ranch} \\par}\nPhone: Caf\xC3\xA9 \xE2\x82\xAC \xCE\xA9\n"));
  EXPECT_NE(summary.rtf.find("Name: Back\\\\slash \\{Ranch\\} \\\\par\\}\\par\n"
                             "Phone: Caf\\'e9 \\'80 \\u937?\\par\n"),
            std::string::npos);
  EXPECT_NE(summary.rtf.find("\n\\}\\{\\\\b0 (\\u-10188?\\u-8930?)\\tab "), std::string::npos);

  std::vector<std::string> lines;
  for (const RtfParagraph& paragraph : ReadRtf(summary.rtf)) {
    std::string line;
    for (const RtfRun& run : paragraph.runs) line += run.text;
    lines.push_back(line);
  }
  ASSERT_GE(lines.size(), 9u);
  EXPECT_EQ(lines[0], "Name: " + worksheet.name);
  EXPECT_EQ(lines[1], "Phone: " + worksheet.phone);
  EXPECT_EQ(lines[8], "}{\\b0 (\xF0\x9D\x84\x9E)\t$ 0.00\t$ 0.00\t$ 0.00");
}

TEST(SummaryText, TheSummaryCopyPlacesRichTextFirstABudgetCopyTextAlone) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  CBudgetWorksheet worksheet;
  FillSummaryWorksheet(worksheet);
  MemoryClipboard& clipboard = platform.Memory();

  ASSERT_TRUE(worksheet.CopyTabToClipboard(nullptr, 0));
  EXPECT_EQ(clipboard.PlacementOrder(),
            (std::vector<std::string>{"Rich Text Format", "text/plain"}));
  std::string rtf, text;
  ASSERT_TRUE(clipboard.Fetch(kClipboardRtfFormat, &rtf));
  ASSERT_TRUE(clipboard.Fetch(kClipboardTextFormat, &text));
  EXPECT_EQ(rtf, kSummaryRtf);
  EXPECT_EQ(text, kSummaryText);

  ASSERT_TRUE(worksheet.CopyTabToClipboard(nullptr, 1));
  EXPECT_EQ(clipboard.PlacementOrder(), std::vector<std::string>{"text/plain"});
  EXPECT_FALSE(clipboard.IsOffered(kClipboardRtfFormat));

  clipboard.SetLocked(true);
  EXPECT_FALSE(worksheet.CopyTabToClipboard(nullptr, 0));
  clipboard.SetLocked(false);
  EXPECT_TRUE(clipboard.Fetch(kClipboardTextFormat, &text));
  EXPECT_TRUE(text.starts_with("Budget / Publication ID:  CC-09\n"));
  EXPECT_TRUE(platform.TakeMessages().empty());
}

}  // namespace
