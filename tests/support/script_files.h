#pragma once
// The golden scripts, run by a program: NAME.script runs in a fresh folder
// holding a copy of the sample ranch, and the standard budgets in bin/ as
// beside a program bin/herdwright; its standard output must equal NAME.out.
// When NAME.err exists the run must fail with exactly that on standard error,
// otherwise succeed silently. Both programs run them and must print the same.

#include <gtest/gtest.h>
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

namespace script_files {

namespace fs = std::filesystem;

inline const fs::path kScripts = fs::path(HERD_TEST_DATA_DIR) / ".." / "scripts";
inline const fs::path kSample = fs::path(HERD_TEST_DATA_DIR) / "cli" / "sample-ranch.vqn";
inline const fs::path kTemplate =
    fs::path(HERD_TEST_DATA_DIR) / ".." / ".." / "examples" / "TEMPLATE.vqn";

inline std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

struct ProgramRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

// Runs `program arguments` in a folder of its own with the sample ranch in it,
// behind a wrapper command such as "timeout 20 " when one is given. The
// program keeps its recovery files and settings in that folder too.
inline ProgramRun RunIn(const std::string& program, const std::string& name,
                        const std::string& arguments, const std::string& input = "",
                        const std::string& wrapper = "") {
  const fs::path folder =
      fs::temp_directory_path() / ("herd-script-" + std::to_string(getpid()) + "-" + name);
  fs::remove_all(folder);
  fs::create_directories(folder);
  fs::copy_file(kSample, folder / "sample-ranch.vqn");
  fs::create_directories(folder / "bin");
  fs::copy_file(kTemplate, folder / "bin" / "TEMPLATE.vqn");
  std::ofstream(folder / "stdin") << input;
  const std::string command = "cd " + Quoted(folder) + " && XDG_STATE_HOME=" +
                              Quoted(folder / "state") + " XDG_CONFIG_HOME=" +
                              Quoted(folder / "config") + " " + wrapper + Quoted(program) + " " +
                              arguments + " <stdin >stdout 2>stderr";
  const int status = std::system(command.c_str());
  ProgramRun run;
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = ReadFile(folder / "stdout");
  run.err = ReadFile(folder / "stderr");
  fs::remove_all(folder);
  return run;
}

inline std::vector<std::string> ScriptNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kScripts))
    if (entry.path().extension() == ".script") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Runs `program RUN NAME.script` and checks it against the expected files.
inline void ExpectGolden(const std::string& program, const std::string& run,
                         const std::string& name) {
  const fs::path script = fs::absolute(kScripts / (name + ".script"));
  const fs::path expectedErr = kScripts / (name + ".err");
  const ProgramRun result = RunIn(program, name, run + " " + Quoted(script));
  EXPECT_EQ(result.out, ReadFile(kScripts / (name + ".out")));
  if (fs::exists(expectedErr)) {
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, ReadFile(expectedErr));
  } else {
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
  }
}

inline std::string TestName(const ::testing::TestParamInfo<std::string>& info) {
  std::string name = info.param;
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); },
      '_');
  return name;
}

}  // namespace script_files
