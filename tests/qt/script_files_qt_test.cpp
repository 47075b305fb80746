// herdwright --run: every script in tests/scripts on the desktop program's
// real widgets prints what herdwright-cli run prints (support/script_files.h).

#include "support/killed_program.h"
#include "support/script_files.h"
#include "support/script_printing.h"

namespace {

using namespace script_files;

class QtScriptFiles : public ::testing::TestWithParam<std::string> {};

TEST_P(QtScriptFiles, GiveTheirExpectedOutput) {
  ExpectGolden(HERD_PROGRAM_PATH, "--run", GetParam());
}

INSTANTIATE_TEST_SUITE_P(QtScripts, QtScriptFiles, ::testing::ValuesIn(ScriptNames()), TestName);

// The system print dialog answered with "Print to File (PDF)": the same
// report as the headless program prints, every word where it puts it (to
// half a point: the printer rounds the font's size to its pixels).
TEST(QtRun, PrintsThroughTheSystemPrintDialogToPdf) {
  SKIP_WITHOUT_PDF_TOOLS();
  const script_printing::PrintedFiles desktop =
      script_printing::PrintWith(HERD_PROGRAM_PATH, "--run", "qt-print");
  script_printing::ExpectTheReportAndTheTab(desktop);
  const script_printing::PrintedFiles headless =
      script_printing::PrintWith(HERD_CLI_PATH, "run", "qt-print-headless");
  ASSERT_EQ(desktop.reportWords.size(), headless.reportWords.size());
  for (std::size_t i = 0; i < desktop.reportWords.size(); ++i) {
    const pdf_tools::Word& qt = desktop.reportWords[i];
    const pdf_tools::Word& core = headless.reportWords[i];
    EXPECT_EQ(qt.text, core.text);
    EXPECT_NEAR(qt.xMin, core.xMin, 0.5) << qt.text;
    EXPECT_NEAR(qt.xMax, core.xMax, 0.5) << qt.text;
    EXPECT_NEAR(qt.yMin, core.yMin, 0.5) << qt.text;
  }
}

TEST(QtRun, ReadsADashAsStandardInputAndNamesTheFailingLine) {
  const ProgramRun unknown = RunIn(HERD_PROGRAM_PATH, "qt-unknown", "--run -",
                            "start\n\ndump title\nfly away\ndump title\n");
  EXPECT_EQ(unknown.status, 1);
  EXPECT_EQ(unknown.out, "Corvale Herdwright\n");
  EXPECT_EQ(unknown.err, "line 4: unknown command fly\n");
  const ProgramRun usage = RunIn(HERD_PROGRAM_PATH, "qt-usage", "--run");
  EXPECT_EQ(usage.status, 2);
  EXPECT_EQ(usage.err, "usage: herdwright --run SCRIPT|-\n");
}

// The start-up question comes before the desktop program's window shows.
TEST(QtRun, OffersWhatAKilledProgramWrote) {
  killed_program::ExpectTheNextStartRecovers(HERD_PROGRAM_PATH, "--run", "qt");
}

}  // namespace
