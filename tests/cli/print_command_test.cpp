// herdwright-cli print, run as a user would run it, its PDF read back with
// poppler-utils.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "document/temp_folder.h"
#include "support/pdf_tools.h"

namespace {

namespace fs = std::filesystem;

const std::string kSample = std::string(HERD_TEST_DATA_DIR) + "/cli/sample-ranch.vqn";

struct PrintRun {
  int status = -1;
  std::string err;
};

PrintRun Print(const std::string& arguments, const TempFolder& folder) {
  const std::string err = folder.File("stderr");
  const int status =
      std::system((std::string(HERD_CLI_PATH) + " print " + arguments + " 2>" + err).c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(err)};
}

// The sample ranch in the folder, last written at noon on 2 January 2020.
std::string DatedSample(const TempFolder& folder) {
  const std::string path = folder.File("ranch.vqn");
  fs::copy_file(kSample, path);
  std::tm noon{};
  noon.tm_year = 2020 - 1900;
  noon.tm_mday = 2;
  noon.tm_hour = 12;
  noon.tm_isdst = -1;
  fs::last_write_time(path, std::chrono::file_clock::from_sys(
                                std::chrono::system_clock::from_time_t(std::mktime(&noon))));
  return path;
}

TEST(CliPrint, TheDialogsSelectionPrintsEverySectionWithTheFilesDate) {
  SKIP_WITHOUT_PDF_TOOLS();
  TempFolder folder;
  const std::string pdf = folder.File("ranch.pdf");
  const PrintRun run = Print(DatedSample(folder) + " --pdf " + pdf, folder);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  // Summary, expenses, machinery, buildings, two veterinary page sets,
  // purchased and retained livestock, two budgets.
  EXPECT_EQ(pdf_tools::Info(pdf, "Pages"), "10");
  const std::string text = pdf_tools::LayoutText(pdf);
  EXPECT_EQ(text.find("Operating Cost Summary"), std::string::npos);
  EXPECT_NE(text.find("File: ranch.vqn"), std::string::npos);
  EXPECT_NE(text.find("Date Changed: 1/2/2020"), std::string::npos) << text;
  const std::string first = pdf_tools::LayoutText(pdf, 1, 1);
  EXPECT_NE(first.find("Willow Creek Ranch"), std::string::npos);
  EXPECT_NE(first.find("TOTAL                        350      $ 159670.00   $ 61613.00"),
            std::string::npos)
      << first;
  const std::string budget = pdf_tools::LayoutText(pdf, 9, 9);
  EXPECT_NE(budget.find("Cow-calf, spring calving"), std::string::npos);
  EXPECT_NE(budget.find("Operating Interest (8.00 %)"), std::string::npos);
  EXPECT_NE(budget.find("NET RETURNS"), std::string::npos);
}

TEST(CliPrint, SectionsBudgetCopiesAndPaperAreChosenOnTheCommandLine) {
  SKIP_WITHOUT_PDF_TOOLS();
  TempFolder folder;
  const std::string pdf = folder.File("part.pdf");
  PrintRun run = Print(kSample + " --pdf " + pdf +
                      " --sections operating,budgets --budget 2 --copies 2 --page-size a4",
                  folder);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(pdf_tools::Info(pdf, "Pages"), "4");
  EXPECT_EQ(pdf_tools::Info(pdf, "Page size"), "595.3 x 841.9 pts (A4)");
  EXPECT_NE(pdf_tools::LayoutText(pdf, 2, 2).find("Ewe-lamb, range flock"), std::string::npos);
  EXPECT_NE(pdf_tools::LayoutText(pdf, 3, 3).find("Farm/Ranch Operating Cost Summary"),
            std::string::npos);

  run = Print(kSample + " --pdf " + pdf + " --sections buildings --selector 0", folder);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(pdf_tools::LayoutText(pdf).find("Farm/Ranch Buildings - Summary"), std::string::npos);
}

TEST(CliPrint, FailuresWriteNoPdfAndKeepTheOldOne) {
  TempFolder folder;
  const std::string pdf = folder.File("report.pdf");
  const std::string missing = folder.File("missing.vqn");
  PrintRun run = Print(missing + " --pdf " + pdf, folder);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Problem opening file <" + missing + ">\n");
  EXPECT_FALSE(fs::exists(pdf));

  WriteBytes(pdf, "the previous report");
  run = Print(kSample + " --pdf " + pdf + " --sections budgets --budget 3", folder);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "There is no budget 3 in " + kSample + " (it has 2).\n");
  run = Print(kSample + " --pdf " + folder.File("no-such-folder/report.pdf"), folder);
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.starts_with("Problem writing file <")) << run.err;
  EXPECT_EQ(ReadBytes(pdf), "the previous report");

  for (const char* arguments :
       {"", " --pdf", " --sections none", " --sections budgets,", " --copies 0",
        " --copies 1000", " --budget 0", " --selector -2", " --page-size legal", " --tab 1"}) {
    run = Print(kSample + (std::string(arguments).empty() ? "" : " --pdf " + pdf) + arguments,
                folder);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_NE(run.err.find("herdwright-cli print FILE.vqn --pdf OUT.pdf"), std::string::npos)
        << arguments;
  }
  EXPECT_EQ(ReadBytes(pdf), "the previous report");
}

}  // namespace

namespace {

// The analysis printed as its window prints it: the budget's header above the
// sensitivity tables; the gross-margin page alone; a refusal prints nothing.
TEST(CliPrint, TheAnalysisPrintsAsItsWindowPrintsIt) {
  SKIP_WITHOUT_PDF_TOOLS();
  TempFolder folder;
  const std::string document = std::string(HERD_TEST_DATA_DIR) + "/cli/two-budgets-to-analyze.vqn";
  const std::string sensitivity = folder.File("sensitivity.pdf");
  PrintRun run = Print(document + " --analysis sensitivity --tab 1 --price-increment 10 --pdf " +
                           sensitivity,
                       folder);
  ASSERT_EQ(run.status, 0) << run.err;
  std::string text = pdf_tools::LayoutText(sensitivity);
  for (const char* expected :
       {"Number of Animals or Herd Units:", "Sensitivity/Breakeven Analysis for Lambs",
        "Breakeven Prices", "Breakeven Yields", "-10%", "Total Cost Breakeven",
        "Corvale Herdwright Version 1.95"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  }
  EXPECT_EQ(pdf_tools::Info(sensitivity, "Pages"), "1");

  const std::string margins = folder.File("margins.pdf");
  run = Print(document + " --analysis breakeven --tab 1 --alternative 0 --alternative 2 --copies 2 "
                  "--pdf " + margins,
              folder);
  ASSERT_EQ(run.status, 0) << run.err;
  text = pdf_tools::LayoutText(margins, 2, 2);
  EXPECT_NE(text.find("No Alternative Crop #1 selected."), std::string::npos) << text;
  EXPECT_NE(text.find("Goats @ $ 3.00 per head"), std::string::npos) << text;
  EXPECT_EQ(text.find("Number of Animals"), std::string::npos) << "no budget header";

  const std::string refused = folder.File("refused.pdf");
  run = Print(document + " --analysis sensitivity --tab 1 --yield-increment 100 --pdf " + refused,
              folder);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Nothing to print: Increments must be less than 100%"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(refused));
  for (const char* bad : {" --tab 1 --pdf x.pdf", " --analysis both --tab 1 --pdf x.pdf",
                          " --analysis breakeven --pdf x.pdf"}) {
    EXPECT_EQ(Print(document + bad, folder).status, 2) << bad;
  }
}

}  // namespace
