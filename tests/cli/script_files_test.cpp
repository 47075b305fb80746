// herdwright-cli run: every script in tests/scripts against its expected
// output. NAME.script runs in a fresh folder holding a copy of the sample
// ranch; its standard output must equal NAME.out. When NAME.err exists the run
// must fail with exactly that on standard error, otherwise succeed silently.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kScripts = fs::path(HERD_TEST_DATA_DIR) / ".." / "scripts";
const fs::path kSample = fs::path(HERD_TEST_DATA_DIR) / "cli" / "sample-ranch.vqn";

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

// Runs the tool in a folder of its own with the sample ranch in it.
CliRun RunIn(const std::string& name, const std::string& arguments, const std::string& input = "",
             const std::string& wrapper = "") {
  const fs::path folder =
      fs::temp_directory_path() / ("herd-script-" + std::to_string(getpid()) + "-" + name);
  fs::remove_all(folder);
  fs::create_directories(folder);
  fs::copy_file(kSample, folder / "sample-ranch.vqn");
  std::ofstream(folder / "stdin") << input;
  const std::string command = "cd " + Quoted(folder) + " && " + wrapper + HERD_CLI_PATH + " " + arguments +
                              " <stdin >stdout 2>stderr";
  const int status = std::system(command.c_str());
  CliRun run;
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = ReadFile(folder / "stdout");
  run.err = ReadFile(folder / "stderr");
  fs::remove_all(folder);
  return run;
}

std::vector<std::string> ScriptNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kScripts))
    if (entry.path().extension() == ".script") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

class ScriptFiles : public ::testing::TestWithParam<std::string> {};

TEST_P(ScriptFiles, GiveTheirExpectedOutput) {
  const std::string name = GetParam();
  const fs::path script = fs::absolute(kScripts / (name + ".script"));
  const fs::path expectedErr = kScripts / (name + ".err");
  const CliRun run = RunIn(name, "run " + Quoted(script));
  EXPECT_EQ(run.out, ReadFile(kScripts / (name + ".out")));
  if (fs::exists(expectedErr)) {
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, ReadFile(expectedErr));
  } else {
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
  }
}

std::string TestName(const ::testing::TestParamInfo<std::string>& info) {
  std::string name = info.param;
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); },
      '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptFiles, ::testing::ValuesIn(ScriptNames()), TestName);

TEST(CliRun, ReadsADashAsStandardInputAndNamesTheFailingLine) {
  const CliRun unknown = RunIn("unknown", "run -", "start\n\ndump title\nfly away\ndump title\n");
  EXPECT_EQ(unknown.status, 1);
  EXPECT_EQ(unknown.out, "Corvale Herdwright\n");
  EXPECT_EQ(unknown.err, "line 4: unknown command fly\n");

  for (const char* script : {"no-such.script", "."}) {
    const CliRun missing = RunIn("missing", std::string("run ") + script);
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
  const CliRun start = RunIn("fifo", "run -", "start \"" + pipe.string() + "\"\ndump messages\n", "timeout 20 ");
  EXPECT_EQ(start.status, 0) << start.err;
  EXPECT_EQ(start.out, opening + "\n");
  const CliRun exported = RunIn("fifo", "export " + Quoted(pipe) + " --format vqn", "", "timeout 20 ");
  EXPECT_EQ(exported.status, 1);
  EXPECT_EQ(exported.err, opening + "\n");
  fs::remove(pipe);

  const fs::path large = fs::temp_directory_path() / ("herd-large-" + std::to_string(getpid()) + ".script");
  std::ofstream(large) << std::string(5'000'000, '#') << "\n";
  for (const std::string& script : {large.string(), std::string("/dev/zero")}) {
    const CliRun run = RunIn("large", "run " + script, "", "timeout 20 ");
    EXPECT_EQ(run.status, 1) << script;
    EXPECT_EQ(run.err, "line 0: the script " + script + " cannot be read: it is larger than 5,000,000 bytes\n");
  }
  fs::remove(large);
}

TEST(CliRun, WithoutExactlyOneScriptPrintsUsage) {
  for (const char* arguments : {"run", "run a.script b.script"}) {
    const CliRun run = RunIn("usage", arguments);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_NE(run.err.find("herdwright-cli run SCRIPT"), std::string::npos) << arguments;
  }
}

}  // namespace
