// herdwright-cli run: every script in tests/scripts against its expected
// output (see support/script_files.h).

#include "support/script_files.h"

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

TEST(CliRun, WithoutExactlyOneScriptPrintsUsage) {
  for (const char* arguments : {"run", "run a.script b.script"}) {
    const ProgramRun run = RunIn(HERD_CLI_PATH, "usage", arguments);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_NE(run.err.find("herdwright-cli run SCRIPT"), std::string::npos) << arguments;
  }
}

}  // namespace
