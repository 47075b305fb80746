// herdwright --run: every script in tests/scripts on the desktop program's
// real widgets prints what herdwright-cli run prints (support/script_files.h).

#include "support/script_files.h"

namespace {

using namespace script_files;

class QtScriptFiles : public ::testing::TestWithParam<std::string> {};

TEST_P(QtScriptFiles, GiveTheirExpectedOutput) {
  ExpectGolden(HERD_PROGRAM_PATH, "--run", GetParam());
}

INSTANTIATE_TEST_SUITE_P(QtScripts, QtScriptFiles, ::testing::ValuesIn(ScriptNames()), TestName);

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

}  // namespace
