// herdwright-cli export, run as a user would run it.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "document/temp_folder.h"
#include "headless/headless_platform.h"
#include "reports/analysis_text.h"
#include "reports/budget_analysis.h"
#include "reports/whole_farm_fixture.h"

namespace {

struct RunResult {
  int status = -1;
  std::string out;
  std::string err;
};

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

RunResult RunCli(const std::string& arguments) {
  // Tests run in parallel processes: each run gets its own file.
  static int runs = 0;
  const auto errPath = std::filesystem::temp_directory_path() /
                       ("herd-cli-" + std::to_string(getpid()) + "-" + std::to_string(++runs) + ".err");
  const std::string command =
      std::string(HERD_CLI_PATH) + " " + arguments + " 2>" + errPath.string();
  RunResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return result;
  std::array<char, 4096> chunk{};
  std::size_t got = 0;
  while ((got = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0) result.out.append(chunk.data(), got);
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.err = ReadFile(errPath);
  std::filesystem::remove(errPath);
  return result;
}

const std::string kData = std::string(HERD_TEST_DATA_DIR) + "/cli/";
const std::string kSample = kData + "sample-ranch.vqn";

}  // namespace

TEST(CliExport, BudgetViewsMatchTheirGoldenFiles) {
  const RunResult text = RunCli("export " + kSample + " --tab 1 --format text");
  EXPECT_EQ(text.status, 0) << text.err;
  EXPECT_EQ(text.out, ReadFile(kData + "sample-ranch-tab1.txt"));

  const RunResult cells = RunCli("export " + kSample + " --format cells --tab 1");
  EXPECT_EQ(cells.status, 0) << cells.err;
  EXPECT_EQ(cells.out, ReadFile(kData + "sample-ranch-tab1.cells"));
}

// Byte for byte what "Copy Current Tab to Clipboard" places on the summary tab.
TEST(CliExport, SummaryTabAsTextAndRichText) {
  for (const char* format : {"text", "rtf"}) {
    const RunResult summary = RunCli("export " + kSample + " --tab 0 --format " + format);
    EXPECT_EQ(summary.status, 0) << summary.err;
    const std::string golden = std::string("sample-ranch-summary.") + (format[0] == 't' ? "txt" : "rtf");
    EXPECT_EQ(summary.out, ReadFile(kData + golden)) << format;
  }
}

TEST(CliExport, ListViewsPrintWhatTheirCopiesPlace) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  TempFolder folder;
  CBudgetWorksheet worksheet;
  FillWholeFarm(worksheet);
  ASSERT_TRUE(worksheet.Save(folder.File("lists.vqn")));
  const std::string view = "export " + folder.File("lists.vqn") + " --format text --view ";
  EXPECT_EQ(RunCli(view + "expenses").out, kWholeFarmExpenseText);
  EXPECT_EQ(RunCli(view + "veterinary").out, kWholeFarmVeterinaryText);
}

TEST(CliExport, VqnFormatGivesBackTheFileItRead) {
  const RunResult saved = RunCli("export " + kSample + " --format vqn");
  EXPECT_EQ(saved.status, 0);
  EXPECT_EQ(saved.out, ReadFile(kSample));
}

TEST(CliExport, UnreadableFileIsReportedWithStatusOne) {
  const std::string missing = kData + "no-such-file.vqn";
  const RunResult result = RunCli("export " + missing + " --tab 1 --format text");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "Problem opening file <" + missing + ">\n");

  const RunResult folder = RunCli("export " + kData + " --format vqn");
  EXPECT_EQ(folder.status, 1);
  EXPECT_NE(folder.err.find("Problem opening file"), std::string::npos);
}

TEST(CliExport, TabBeyondTheBudgetsFailsWithAMessage) {
  const RunResult text = RunCli("export " + kSample + " --tab 3 --format text");
  EXPECT_EQ(text.status, 1);
  EXPECT_EQ(text.err, "NULL pBudget pointer in CBudgetWorksheet::CopyTabToClipboard\n");
  const RunResult cells = RunCli("export " + kSample + " --tab 9 --format cells");
  EXPECT_EQ(cells.status, 1);
  EXPECT_NE(cells.err.find("no budget tab 9"), std::string::npos);
}

// A document with records of every list kind: it opens and saves byte for
// byte, and every tab of the tabbed list windows shows as its copy places it.
TEST(CliExport, EveryListKindSurvivesAndEveryTabOfTheCapitalListsExports) {
  const std::string document = kData + "every-list.vqn";
  const RunResult saved = RunCli("export " + document + " --format vqn");
  EXPECT_EQ(saved.status, 0) << saved.err;
  EXPECT_EQ(saved.out, ReadFile(document));
  std::string views;
  for (const char* view : {"machinery", "buildings", "purchased", "retained"}) {
    for (int tab = 0; tab <= 3; ++tab) {
      const RunResult text = RunCli("export " + document + " --view " + view + " --tab " +
                                    std::to_string(tab) + " --format text");
      EXPECT_EQ(text.status, 0) << text.err;
      views += text.out;
    }
  }
  EXPECT_EQ(views, ReadFile(kData + "every-list-views.txt"));
}

// herdwright-cli analyze prints what the window shows for the same choices.
TEST(CliAnalyze, PrintsTheWindowsTextForTheChosenBudgetAndAlternatives) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  TempFolder folder;
  CBudgetWorksheet worksheet;
  for (int k = 0; k < 2; ++k) {
    CCropBudget& budget = *worksheet.GetBudget(k, true);
    budget.title = k == 0 ? "Ewes" : "Goats";
    budget.numUnits = 1;
    CBudgetLine& sale = budget.AppendLine(kSectionReturns);
    sale.kind = kKindQuantity;
    sale.units = "cwt";
    sale.quantity = 100 - 60 * k;
    sale.value = 2 + k;
    CBudgetLine& feed = budget.AppendLine(kSectionOperating);
    feed.kind = kKindPerAnimal;
    feed.value = 150 - 50 * k;
  }
  const std::string path = folder.File("two.vqn");
  ASSERT_TRUE(worksheet.Save(path));

  CBudgetAnalysis analysis;
  analysis.base = worksheet.GetBudget(0);
  analysis.alternatives = {-1, 1, -1, -1};
  analysis.Calculate(worksheet);
  const RunResult breakeven =
      RunCli("analyze " + path + " --tab 1 --mode breakeven --alternative 0 --alternative 2 --format rtf");
  EXPECT_EQ(breakeven.status, 0) << breakeven.err;
  EXPECT_EQ(breakeven.out, RenderAnalysisRtf(analysis));

  analysis.mode = AnalysisMode::kSensitivity;
  analysis.yieldIncrement = 150;
  analysis.Calculate(worksheet);
  const RunResult refused =
      RunCli("analyze " + path + " --tab 1 --mode sensitivity --yield-increment 150 --format text");
  EXPECT_EQ(refused.status, 0);
  EXPECT_EQ(refused.out, analysis.message);

  const RunResult missing = RunCli("analyze " + path + " --tab 3 --mode breakeven --format text");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("no budget tab 3"), std::string::npos);
  for (const char* arguments :
       {"analyze x.vqn --mode breakeven --format rtf", "analyze x.vqn --tab 1 --format rtf",
        "analyze x.vqn --tab 1 --mode both --format rtf", "analyze x.vqn --tab 1 --mode breakeven",
        "analyze x.vqn --tab -1 --mode breakeven --format text",
        "analyze x.vqn --tab 1 --mode breakeven --format text --alternative 1 --alternative 1 "
        "--alternative 1 --alternative 1 --alternative 1"}) {
    EXPECT_EQ(RunCli(arguments).status, 2) << arguments;
  }
}

TEST(CliExport, BadArgumentsPrintUsageWithStatusTwo) {
  for (const char* arguments :
       {"", "export", "export x.vqn", "export x.vqn --format pdf", "export x.vqn --format text",
        "export x.vqn --tab -1 --format cells", "export x.vqn --tab one --format text",
        "export x.vqn --tab 1 --format text extra", "export x.vqn --view expenses",
        "export x.vqn --view expenses --format cells", "export x.vqn --view budget --format text",
        "export x.vqn --view veterinary --tab 1 --format text", "export x.vqn --format text --view",
        "export x.vqn --view veterinary --format vqn", "export x.vqn --view machinery --tab x",
        "export x.vqn --tab 1 --format rtf", "export x.vqn --tab 0 --format cells",
        "export x.vqn --view expenses --format rtf", "frobnicate"}) {
    const RunResult result = RunCli(arguments);
    EXPECT_EQ(result.status, 2) << arguments;
    EXPECT_NE(result.err.find("Usage:"), std::string::npos) << arguments;
    EXPECT_EQ(result.out, "") << arguments;
  }
  const RunResult help = RunCli("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--format cells"), std::string::npos);
  EXPECT_NE(help.out.find("--tab 0 --format text|rtf"), std::string::npos);
  EXPECT_NE(help.out.find("--view LIST [--tab N] --format text"), std::string::npos);
}
