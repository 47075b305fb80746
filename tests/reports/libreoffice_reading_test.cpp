// The copies as another program reads them: LibreOffice, run headless, turns
// the summary's Rich Text into text, and the tab-separated texts into the cells
// of a Calc sheet. What comes back must be what was copied, typed text and all.
// Each test is one conversion; where LibreOffice is not installed they are
// skipped and say so.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "document/temp_folder.h"
#include "headless/headless_platform.h"
#include "reports/budget_text.h"
#include "reports/summary_fixture.h"

namespace {

namespace fs = std::filesystem;

std::optional<fs::path> FindOffice() {
  const char* path = std::getenv("PATH");
  std::string_view folders = path ? path : "";
  while (!folders.empty()) {
    const std::size_t end = folders.find(':');
    const fs::path candidate = fs::path(folders.substr(0, end)) / "soffice";
    std::error_code ignored;
    if (fs::is_regular_file(candidate, ignored) && ::access(candidate.c_str(), X_OK) == 0)
      return candidate;
    folders = end == std::string_view::npos ? std::string_view() : folders.substr(end + 1);
  }
  return std::nullopt;
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// Converts the files in one run, with a profile of the folder's own so that
// tests running side by side never share one. Returns its output when it fails.
std::string Convert(const fs::path& office, const TempFolder& folder, const std::string& options,
                    const std::vector<std::string>& names) {
  std::string command = Quoted(office.string()) + " -env:UserInstallation=file://" +
                        folder.File("profile") + " --headless --norestore " + options +
                        " --outdir " + Quoted(folder.File("out"));
  for (const std::string& name : names) command += " " + Quoted(folder.File(name));
  command += " >" + Quoted(folder.File("office.log")) + " 2>&1";
  if (std::system(command.c_str()) == 0) return {};
  return "soffice failed:\n" + ReadBytes(folder.File("office.log"));
}

std::string WithoutByteOrderMark(std::string text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
  return text;
}

using Rows = std::vector<std::vector<std::string>>;

// Rows of cells, empty cells at a row's end left off (a sheet has no such thing).
void TrimRow(std::vector<std::string>& row) {
  while (!row.empty() && row.back().empty()) row.pop_back();
}

Rows RowsOfText(std::string_view text) {
  Rows rows;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    std::vector<std::string>& row = rows.emplace_back();
    for (std::size_t start = 0;;) {
      const std::size_t tab = line.find('\t', start);
      row.emplace_back(line.substr(start, tab - start));
      if (tab == std::string_view::npos) break;
      start = tab + 1;
    }
    TrimRow(row);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return rows;
}

// Comma-separated, each cell quoted when it holds text.
Rows RowsOfCsv(std::string_view csv) {
  Rows rows;
  std::vector<std::string> row(1);
  bool quoted = false;
  for (std::size_t i = 0; i < csv.size(); ++i) {
    const char c = csv[i];
    if (quoted) {
      if (c == '"' && i + 1 < csv.size() && csv[i + 1] == '"') {
        row.back() += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        row.back() += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      row.emplace_back();
    } else if (c == '\n') {
      TrimRow(row);
      rows.push_back(std::move(row));
      row.assign(1, {});
    } else if (c != '\r') {
      row.back() += c;
    }
  }
  return rows;
}

void FillHostileSummary(CBudgetWorksheet& worksheet) {
  FillSummaryWorksheet(worksheet);
  worksheet.name = "Back\\slash {Ranch} \\par} Caf\xC3\xA9";
  worksheet.phone = "\xE2\x82\xAC 5 \xE2\x80\x93 \xCE\xA9 \xE2\x9C\x93 \xF0\x9D\x84\x9E";
  CCropBudget& herd = *worksheet.GetBudget(0);
  herd.title = "}{\\b0 Cow-calf";
  herd.publicationId = "\xCE\xA9\xCE\xBC-1";
}

class LibreOfficeReading : public ::testing::Test {
 protected:
  void SetUp() override {
    office = FindOffice();
    if (!office)
      GTEST_SKIP() << "NOTICE: LibreOffice (soffice) is not installed, so the copies are not "
                      "checked in another program. scripts/install-deps.sh test installs it.";
  }

  std::optional<fs::path> office;
  TempFolder folder;
  HeadlessPlatform platform;
  ScopedPlatform installed{platform};
};

TEST_F(LibreOfficeReading, WriterShowsTheSummaryRichTextAsCopied) {
  CBudgetWorksheet worksheet;
  FillHostileSummary(worksheet);
  ASSERT_TRUE(worksheet.CopyTabToClipboard(nullptr, 0));
  std::string rtf, text;
  ASSERT_TRUE(platform.Memory().Fetch(kClipboardRtfFormat, &rtf));
  ASSERT_TRUE(platform.Memory().Fetch(kClipboardTextFormat, &text));
  WriteBytes(folder.File("summary.rtf"), rtf);
  ASSERT_EQ(Convert(*office, folder, "--convert-to 'txt:Text (encoded):UTF8'", {"summary.rtf"}), "");
  const std::string shown = WithoutByteOrderMark(ReadBytes(folder.File("out/summary.txt")));

  EXPECT_EQ(shown,
            "Name: Back\\slash {Ranch} \\par} Caf\xC3\xA9\n"
            "Phone: \xE2\x82\xAC 5 \xE2\x80\x93 \xCE\xA9 \xE2\x9C\x93 \xF0\x9D\x84\x9E\n"
            "Address: 14 Mill Road\n"
            "Corvale Valley\n"
            " \n"
            "\n"
            "Gross Margin Analysis (per acre)\n"
            "\n"
            "Crop (in order of\tRevenue\tVariable Costs\tGross Margin\n"
            "descending Gross Margin)\tPer Acre\tPer Acre\tPer Acre\n"
            "}{\\b0 Cow-calf (\xCE\xA9\xCE\xBC-1)\t$ 100.00\t$ 40.00\t$ 60.00\n"
            "Untitled Tab\t$ 25.00\t$ 0.00\t$ 25.00\n"
            "Zero herd (Z-1)\t$ 0.00\t$ 0.00\t$ 0.00\n"
            "\n"
            "\n"
            "Whole Farm Summary (totals)\n"
            "\n"
            "Crop (in order of\t\tTotal\tTotal\tNet\n"
            "descending Gross Margin)\tAcres\tRevenue\tCosts\tReturns\n"
            "}{\\b0 Cow-calf (\xCE\xA9\xCE\xBC-1)\t10\t$ 1000.00\t$ 500.50\t$ 499.50\n"
            "Untitled Tab\t\t$ 0.00\t$ 300.00\t$ -300.00\n"
            "Zero herd (Z-1)\t\t$ 0.00\t$ 50.00\t$ -50.00\n"
            "TOTAL\t10\t$ 1000.00\t$ 850.50\t$ 149.50\n");
  // Every row of amounts in the text copy reads the same in the Rich Text.
  for (const std::vector<std::string>& row : RowsOfText(text)) {
    if (row.empty() || !row.back().starts_with("$ ")) continue;
    std::string line = row[0];
    for (std::size_t k = 1; k < row.size(); ++k) line += "\t" + row[k];
    EXPECT_NE(shown.find("\n" + line + "\n"), std::string::npos) << line;
  }
}

TEST_F(LibreOfficeReading, CalcPutsEveryCopiedFieldInItsColumn) {
  CBudgetWorksheet sample;
  ASSERT_TRUE(sample.Open(HERD_TEST_DATA_DIR "/cli/sample-ranch.vqn"));
  const std::string budget = RenderBudgetText(*sample.GetBudget(0));
  CBudgetWorksheet summary;
  FillHostileSummary(summary);
  ASSERT_TRUE(summary.CopyTabToClipboard(nullptr, 0));
  std::string summaryText;
  ASSERT_TRUE(platform.Memory().Fetch(kClipboardTextFormat, &summaryText));
  WriteBytes(folder.File("budget.txt"), budget);
  WriteBytes(folder.File("summary.txt"), summaryText);

  // Tab-separated UTF-8 from the first line, the first eight columns taken as
  // text so that Calc shows each field as copied ("5.50" stays "5.50").
  const std::string import = "--infilter='Text - txt - csv (StarCalc):9,34,76,1,"
                             "1/2/2/2/3/2/4/2/5/2/6/2/7/2/8/2'";
  const std::string to = "--convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1'";
  ASSERT_EQ(Convert(*office, folder, import + " " + to, {"budget.txt", "summary.txt"}), "");

  const Rows budgetCells = RowsOfCsv(ReadBytes(folder.File("out/budget.csv")));
  EXPECT_EQ(budgetCells, RowsOfText(budget));
  ASSERT_GT(budgetCells.size(), 10u);
  EXPECT_EQ(budgetCells[10], (std::vector<std::string>{"Gross Returns", "", "", "", "",
                                                       "$ 87370.00", "$ 873.70"}));
  EXPECT_EQ(RowsOfCsv(ReadBytes(folder.File("out/summary.csv"))), RowsOfText(summaryText));
}

}  // namespace
