// The print engine on the recording device: the copy loop, page breaks, and
// text kept within its room.
#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "capital_fixture.h"
#include "print_fixture.h"
#include "summary_fixture.h"
#include "whole_farm_fixture.h"

namespace {

class PrintJob : public PrintFixture {
 protected:
  // A job on a fresh recording device, its first page begun, in font 200/400.
  CPrintJob& Begin() {
    recording = std::make_unique<RecordingPrintDevice>();
    job = std::make_unique<CPrintJob>();
    job->UseDevice(std::make_unique<BorrowedPrintDevice>(*recording), 1);
    EXPECT_TRUE(job->NextCopy());
    job->x0 = kLeftPosition;
    job->NewPage();
    return *job;
  }
};

TEST_F(PrintJob, WithoutAPrinterNothingIsPrinted) {
  CPrintJob cancelled;
  EXPECT_FALSE(cancelled.NextCopy());
  EXPECT_TRUE(PrintReportSections(cancelled, worksheet, {0x7ED, -1, -1}));
  EXPECT_EQ(cancelled.PagesPrinted(), 0);
  // The headless print dialog, answered Cancel.
  platform.Answers().QueuePrinter({true, {}, 0});
  EXPECT_FALSE(PrintReport(cancelled, nullptr, worksheet, kPrintBudgets, -1));
  EXPECT_EQ(platform.TakeFailure(), std::nullopt);
}

TEST_F(PrintJob, ADeviceThatCannotStartPrintsNothingAndSaysSo) {
  worksheet.GetBudget(0, true);
  auto device = std::make_unique<RecordingPrintDevice>();
  device->FailToStart();
  RecordingPrintDevice& failing = *device;
  CPrintJob refused;
  refused.UseDevice(std::make_unique<BorrowedPrintDevice>(failing), 2);
  EXPECT_FALSE(PrintReportSections(refused, worksheet, {kPrintBudgets, -1, -1}));
  EXPECT_EQ(failing.Calls(), "");

  recording = std::make_unique<RecordingPrintDevice>();
  recording->FailAtEnd();
  CPrintJob lost;
  lost.UseDevice(std::make_unique<BorrowedPrintDevice>(*recording), 1);
  EXPECT_FALSE(PrintReportSections(lost, worksheet, {kPrintBudgets, -1, -1}));
  EXPECT_EQ(recording->Pages(), 1);
}

TEST_F(PrintJob, TextThatWouldReachBelowThePaperStartsANewPage) {
  CPrintJob& print = Begin();
  print.y = print.H + print.h - 1;
  print.Text(print.x0, "Below");
  EXPECT_EQ(recording->Pages(), 2);
  EXPECT_NE(recording->Calls().find("text 200 -720 left \"Below\""), std::string::npos);
  // Control characters print as spaces: a tab in a label moves nothing.
  print.Text(print.x0, "a\tb\nc\x7F");
  EXPECT_NE(recording->Calls().find("\"a b c \""), std::string::npos);
}

TEST_F(PrintJob, TextIsCutToItsRoomAndWrapsInIt) {
  CPrintJob& print = Begin();
  const std::string text = "Replacement heifers, spring";
  const int whole = print.TextWidth(text);
  EXPECT_EQ(print.FitText(text, whole), text);
  const std::string cut = print.FitText(text, whole - 1);
  EXPECT_EQ(cut, "Replacement heifers, spri...");
  EXPECT_LE(print.TextWidth(cut), whole - 1);
  EXPECT_GT(print.TextWidth("Replacement heifers, sprin..."), whole - 1);
  EXPECT_EQ(print.FitText(text, print.TextWidth("..") ), "");
  EXPECT_EQ(print.FitText("\xC3\xA9t\xC3\xA9 d'\xC3\xA9t\xC3\xA9", print.TextWidth("\xC3\xA9t\xC3\xA9...")),
            "\xC3\xA9t\xC3\xA9...");

  const int width = print.TextWidth("one two three");
  EXPECT_EQ(print.WrapLines("one two three four\r\nfive", width),
            (std::vector<std::string>{"one two three", "four", "five"}));
  // A word wider than the line is broken where the line is full.
  const std::vector<std::string> broken = print.WrapLines(std::string(60, 'x'), width);
  ASSERT_GT(broken.size(), 1u);
  for (const std::string& line : broken) EXPECT_LE(print.TextWidth(line), width);
  EXPECT_EQ(print.WrapLines("a\n\nb\n", width), (std::vector<std::string>{"a", "", "b"}));
}

TEST_F(PrintJob, CellsEndAtTheirStopsAndKeepApartWhenAsked) {
  CPrintJob& print = Begin();
  const std::array<int, 2> stops = {3000, 4000};
  const int begin = print.Cells({"$ 1.00", "", "beyond"}, stops);
  EXPECT_EQ(begin, 3000 - print.TextWidth("$ 1.00"));
  // A cell beyond the stops stands one interval further on.
  EXPECT_NE(recording->Calls().find("text 5000 -720 right \"beyond\""), std::string::npos);

  const std::string wide = "Head/Units and more";
  print.Cells({"Units", wide}, stops, CPrintJob::CellFit::kKeepApart);
  const int moved = 4000 - print.TextWidth(wide) - print.a / 2;
  EXPECT_NE(recording->Calls().find("text " + std::to_string(moved) + " -720 right \"Units\""),
            std::string::npos);
  print.Cells({"", "A budget named at length"}, stops, CPrintJob::CellFit::kFitColumn);
  EXPECT_NE(recording->Calls().find("right \"A budget..."), std::string::npos);
}

// Every section of a worksheet full of long texts, on both papers: nothing
// is drawn off the printable area.
TEST_F(PrintJob, EveryTextStaysOnThePaper) {
  FillSummaryWorksheet(worksheet);
  FillWholeFarm(worksheet);
  FillCapitalLists(worksheet);
  for (CCropBudget* budget = worksheet.budgets.get(); budget; budget = budget->next.get()) {
    budget->title = std::string(70, 'W');
    budget->publicationId = std::string(12, 'W');
    budget->herdUnitName = std::string(12, 'W');
    budget->footnote = std::string(512, 'W');
    CBudgetLine& line = budget->AppendLine(kSectionReturns);
    line.label = std::string(32, 'W');
    line.units = std::string(8, 'W');
    line.kind = kKindQuantity;
    line.weight = line.quantity = line.value = 12345.67;
  }
  worksheet.name = std::string(32, 'W');
  worksheet.address = std::string(150, 'W');
  for (const PaperSize size : {PaperSize::kLetter, PaperSize::kA4}) {
    paper = size;
    for (const int selector : {0, 1, 2, 3}) {
      std::istringstream calls(Print(0x7ED | kPrintOperatingSummary, selector, 1,
                                     {std::string(255, 'W'), "12/31/2025"}));
      const int W = recording->PageWidth();
      const int H = recording->PageHeight();
      std::string word;
      while (calls >> word) {
        if (word != "text") continue;
        int x = 0;
        int y = 0;
        std::string align;
        calls >> x >> y >> align;
        std::string text;
        std::getline(calls, text);
        EXPECT_GE(y - 200, H) << text;
        EXPECT_LE(y, 0) << text;
        if (align == "right") {
          EXPECT_LE(x, W) << text;
        } else {
          EXPECT_GE(x, 0) << text;
          EXPECT_LE(x, W) << text;
        }
      }
    }
  }
}

}  // namespace
