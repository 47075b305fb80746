// examples/TEMPLATE.vqn, the standard budgets the import offers first, is what
// examples/template.script types into the program and saves.

#include "support/script_files.h"

namespace {

using namespace script_files;

TEST(StandardBudgets, AreWhatTheirScriptWrites) {
  const fs::path examples = fs::path(HERD_TEST_DATA_DIR) / ".." / ".." / "examples";
  const fs::path folder =
      fs::temp_directory_path() / ("herd-template-" + std::to_string(getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string command = "cd " + Quoted(folder) + " && " + Quoted(HERD_CLI_PATH) + " run " +
                              Quoted(fs::absolute(examples / "template.script")) +
                              " >stdout 2>stderr";
  EXPECT_EQ(std::system(command.c_str()), 0) << ReadFile(folder / "stderr");
  EXPECT_EQ(ReadFile(folder / "stdout"), "") << "no message while typing";
  EXPECT_EQ(ReadFile(folder / "TEMPLATE.vqn"), ReadFile(examples / "TEMPLATE.vqn"));
  fs::remove_all(folder);
}

}  // namespace
