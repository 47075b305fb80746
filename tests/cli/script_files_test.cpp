// herdwright-cli run: every script in tests/scripts against its expected
// output (see support/script_files.h).

#include <sys/stat.h>

#include "support/script_files.h"
#include "support/script_printing.h"

namespace {

using namespace script_files;

class ScriptFiles : public ::testing::TestWithParam<std::string> {};

TEST_P(ScriptFiles, GiveTheirExpectedOutput) { ExpectGolden(HERD_CLI_PATH, "run", GetParam()); }

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptFiles, ::testing::ValuesIn(ScriptNames()), TestName);

TEST(CliRun, ReadsADashAsStandardInputAndNamesTheFailingLine) {
  const ProgramRun unknown =
      RunIn(HERD_CLI_PATH, "unknown", "run -", "start\n\ndump title\nfly away\ndump title\n");
  EXPECT_EQ(unknown.status, 1);
  EXPECT_EQ(unknown.out, "Corvale Herdwright\n");
  EXPECT_EQ(unknown.err, "line 4: unknown command fly\n");

  for (const char* script : {"no-such.script", "."}) {
    const ProgramRun missing = RunIn(HERD_CLI_PATH, "missing", std::string("run ") + script);
    EXPECT_EQ(missing.status, 1) << script;
    EXPECT_EQ(missing.err, "line 0: the script " + std::string(script) + " cannot be read\n");
  }
}

// A FIFO or device as the document must not hang the program, nor a script
// without end fill the memory.
TEST(CliRun, RefusesADocumentThatIsNoFileAndBoundsTheScript) {
  const fs::path pipe = fs::temp_directory_path() / ("herd-pipe-" + std::to_string(getpid()) + ".vqn");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
  const std::string opening = "Problem opening file <" + pipe.string() + ">";
  const ProgramRun start = RunIn(HERD_CLI_PATH, "fifo", "run -",
                                 "start \"" + pipe.string() + "\"\ndump messages\n", "timeout 20 ");
  EXPECT_EQ(start.status, 0) << start.err;
  EXPECT_EQ(start.out, opening + "\n");
  const ProgramRun exported =
      RunIn(HERD_CLI_PATH, "fifo", "export " + Quoted(pipe) + " --format vqn", "", "timeout 20 ");
  EXPECT_EQ(exported.status, 1);
  EXPECT_EQ(exported.err, opening + "\n");
  fs::remove(pipe);

  const fs::path large =
      fs::temp_directory_path() / ("herd-large-" + std::to_string(getpid()) + ".script");
  std::ofstream(large) << std::string(5'000'000, '#') << "\n";
  for (const std::string& script : {large.string(), std::string("/dev/zero")}) {
    const ProgramRun run = RunIn(HERD_CLI_PATH, "large", "run " + script, "", "timeout 20 ");
    EXPECT_EQ(run.status, 1) << script;
    EXPECT_EQ(run.err,
              "line 0: the script " + script + " cannot be read: it is larger than 5,000,000 bytes\n");
  }
  fs::remove(large);
}

TEST(CliRun, PrintsThroughTheDialogsToPdf) {
  SKIP_WITHOUT_PDF_TOOLS();
  script_printing::ExpectTheReportAndTheTab(
      script_printing::PrintWith(HERD_CLI_PATH, "run", "cli-print"));
}

TEST(CliRun, WithoutExactlyOneScriptPrintsUsage) {
  for (const char* arguments : {"run", "run a.script b.script"}) {
    const ProgramRun run = RunIn(HERD_CLI_PATH, "usage", arguments);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_NE(run.err.find("herdwright-cli run SCRIPT"), std::string::npos) << arguments;
  }
}

}  // namespace
