// The PDF device, read back with poppler-utils: pages, paper, the embedded
// font, text where the layout put it, and a file replaced only when whole.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "document/temp_folder.h"
#include "headless/headless_platform.h"
#include "headless/pdf_print_device.h"
#include "headless/true_type_font.h"
#include "platform/report_font.h"
#include "reports/capital_fixture.h"
#include "reports/print_report.h"
#include "reports/summary_fixture.h"
#include "reports/whole_farm_fixture.h"
#include "support/pdf_tools.h"

namespace {

using pdf_tools::Word;

class PdfPrinting : public ::testing::Test {
 protected:
  void SetUp() override {
    if (FindReportFontFile(false).empty() || FindReportFontFile(true).empty())
      GTEST_SKIP() << ReportFontMissingMessage();
    FillSummaryWorksheet(worksheet);
    FillWholeFarm(worksheet);
    FillCapitalLists(worksheet);
  }

  // Prints on a PDF device; the pages the job printed.
  int PrintTo(const std::string& path, int flags, PaperSize paper = PaperSize::kLetter,
              int copies = 1) {
    CPrintJob job({"ranch.vqn", "3/14/2024"});
    job.UseDevice(std::make_unique<PdfPrintDevice>(path, paper), copies);
    succeeded = PrintReportSections(job, worksheet, {flags, kPrintAllBudgets, kPrintAllBudgets});
    return job.PagesPrinted();
  }

  HeadlessPlatform platform;
  ScopedPlatform scoped{platform};
  CBudgetWorksheet worksheet;
  TempFolder folder;
  bool succeeded = false;
};

TEST_F(PdfPrinting, EverySectionReadsBackOnLetterOrA4WithItsFontEmbedded) {
  SKIP_WITHOUT_PDF_TOOLS();
  const std::string letter = folder.File("letter.pdf");
  const int pages = PrintTo(letter, 0x7ED);
  EXPECT_TRUE(succeeded);
  EXPECT_EQ(pdf_tools::Info(letter, "Pages"), std::to_string(pages));
  EXPECT_EQ(pdf_tools::Info(letter, "Page size"), "612 x 792 pts (letter)");
  EXPECT_EQ(pdf_tools::Info(letter, "Title"), "Tillwright");
  const std::string fonts = pdf_tools::Fonts(letter);
  EXPECT_NE(fonts.find("+LiberationSans "), std::string::npos) << fonts;
  EXPECT_NE(fonts.find("+LiberationSans-Bold "), std::string::npos) << fonts;
  EXPECT_EQ(fonts.find(" no "), std::string::npos) << "every font embedded, subset, with Unicode";

  const std::string text = pdf_tools::LayoutText(letter);
  for (const char* expected :
       {"Summary (totals)", "Farm/Ranch Operating Cost Summary", "General Farm/Ranch Expenses",
        "Farm/Ranch Machinery - Detail", "Farm/Ranch Buildings - Detail", "Veterinary Costs",
        "Purchased Livestock Investment - Detail", "Retained Livestock Investment - Detail",
        "VALUE OF PRODUCTION", "Tractor 100% paid", "Corvale Herdwright Version 1.95"})
    EXPECT_NE(text.find(expected), std::string::npos) << expected;

  const std::string a4 = folder.File("a4.pdf");
  PrintTo(a4, kPrintBudgets, PaperSize::kA4);
  EXPECT_EQ(pdf_tools::Info(a4, "Page size"), "595.3 x 841.9 pts (A4)");
}

TEST_F(PdfPrinting, AmountsEndAtTheirTabStops) {
  SKIP_WITHOUT_PDF_TOOLS();
  const std::string path = folder.File("budget.pdf");
  PrintTo(path, kPrintBudgets);
  // Twips from the printable area's left edge, a quarter inch in, to points.
  const auto point = [](int twips) { return (360 + twips) / 20.0; };
  const int a = 86;  // of the bold font the stops are counted in
  int checked = 0;
  for (const Word& word : pdf_tools::Words(path)) {
    if (word.page != 1) continue;
    if (word.text == "1000.00" || word.text == "Value") {
      EXPECT_NEAR(word.xMax, point(11520 - 50 * a), 0.1) << word.text;
      ++checked;
    }
    if (word.text == "100.00" || word.text == "Value/Cost") {
      EXPECT_NEAR(word.xMax, point(11520 - 30 * a), 0.1) << word.text;
      ++checked;
    }
  }
  EXPECT_GE(checked, 4);
}

TEST_F(PdfPrinting, CopiesFollowEachOtherInOneFile) {
  SKIP_WITHOUT_PDF_TOOLS();
  const std::string path = folder.File("copies.pdf");
  EXPECT_EQ(PrintTo(path, kPrintOperatingSummary, PaperSize::kLetter, 3), 3);
  EXPECT_EQ(pdf_tools::Info(path, "Pages"), "3");
  EXPECT_EQ(pdf_tools::LayoutText(path, 1, 1), pdf_tools::LayoutText(path, 3, 3));
}

TEST_F(PdfPrinting, AnyCharacterPrintsAndReadsBack) {
  SKIP_WITHOUT_PDF_TOOLS();
  worksheet.GetBudget(0)->title = "Génisses d'été \xE6\x97\xA5 \xF0\x9F\x90\x84 \xFF end";
  const std::string path = folder.File("text.pdf");
  PrintTo(path, kPrintBudgets);
  const std::string text = pdf_tools::LayoutText(path, 1, 1);
  EXPECT_NE(text.find("Génisses d'été"), std::string::npos) << text.substr(0, 200);
  EXPECT_NE(text.find("end"), std::string::npos);
}

TEST_F(PdfPrinting, TheFileIsReplacedOnlyWhenTheDocumentIsWhole) {
  const std::string path = folder.File("report.pdf");
  WriteBytes(path, "the previous report");
  // A disk too full for the new report leaves the old one as it was.
  const int pages = WithFileSizeLimit(4096, [&] { return PrintTo(path, 0x7ED); });
  EXPECT_GT(pages, 0);
  EXPECT_FALSE(succeeded);
  EXPECT_EQ(ReadBytes(path), "the previous report");
  EXPECT_EQ(folder.Names(), std::set<std::string>{"report.pdf"});
  const std::vector<std::string> messages = platform.TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].starts_with("Problem writing file <" + path + ">")) << messages[0];

  EXPECT_GT(PrintTo(path, kPrintBudgets), 0);
  EXPECT_TRUE(succeeded);
  EXPECT_TRUE(ReadBytes(path).starts_with("%PDF-1.4"));
  EXPECT_TRUE(ReadBytes(path).ends_with("%%EOF\n"));

  // No page, no file.
  const std::string none = folder.File("none.pdf");
  EXPECT_EQ(PrintTo(none, 0), 0);
  EXPECT_TRUE(succeeded);
  EXPECT_FALSE(std::filesystem::exists(none));
}

TEST(TrueTypeFontFile, ADamagedFileIsRefusedNeverReadPast) {
  const std::string regular = FindReportFontFile(false);
  if (regular.empty()) GTEST_SKIP() << ReportFontMissingMessage();
  std::string error;
  const std::unique_ptr<TrueTypeFont> font = TrueTypeFont::Load(regular, &error);
  ASSERT_NE(font, nullptr) << error;
  EXPECT_EQ(font->PostScriptName(), "LiberationSans");
  // Arial's metrics: an em of 2048 units, a line of 2288, "a" 1139 units wide.
  EXPECT_EQ(font->UnitsPerEm(), 2048);
  EXPECT_EQ(font->Ascent() + font->Descent(), 2288);
  EXPECT_EQ(font->Advance(font->GlyphOf(U'a')), 1139);
  EXPECT_EQ(font->GlyphOf(U'\U0010FFFF'), 0);

  TempFolder folder;
  const std::string bytes = ReadBytes(regular);
  for (const std::size_t length : {std::size_t{0}, std::size_t{11}, std::size_t{300},
                                   bytes.size() / 2}) {
    const std::string cut = folder.File("cut.ttf");
    WriteBytes(cut, bytes.substr(0, length));
    std::string why;
    const std::unique_ptr<TrueTypeFont> damaged = TrueTypeFont::Load(cut, &why);
    if (damaged) {
      // What loads still subsets within its own bytes.
      EXPECT_FALSE(damaged->Subset({damaged->GlyphOf(U'A')}).empty());
    } else {
      EXPECT_FALSE(why.empty()) << length;
    }
  }
  std::string subset = font->Subset({font->GlyphOf(U'A'), font->GlyphOf(U'\u00C5')});
  EXPECT_LT(subset.size(), bytes.size() / 4);
}

}  // namespace
