// A program killed after a recovery write: the next start offers the work.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "support/script_files.h"

namespace {

using namespace script_files;

// The recovery file a program wrote, once one has appeared there.
bool RecoveryAppears(const fs::path& folder, std::chrono::seconds patience) {
  const auto end = std::chrono::steady_clock::now() + patience;
  while (std::chrono::steady_clock::now() < end) {
    std::error_code none;
    for (const auto& entry : fs::directory_iterator(folder, none))
      if (entry.path().extension() == ".vqn") return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

TEST(RecoveryAfterKill, TheNextStartOffersWhatTheKilledProgramWrote) {
  const fs::path folder =
      fs::temp_directory_path() / ("herd-killed-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  fs::copy_file(kSample, folder / "sample-ranch.vqn");
  const fs::path state = folder / "state";
  // After the minute's write the program stalls on output nobody reads, and is
  // killed there: no exit, no save.
  {
    std::ofstream script(folder / "edit.script");
    script << "start sample-ranch.vqn\nedit 1071 \"Killed-1\"\ntick\n";
    for (int i = 0; i < 1000; ++i) script << "dump controls\n";
  }
  int output[2];
  ASSERT_EQ(::pipe(output), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    ::setenv("XDG_STATE_HOME", state.c_str(), 1);
    if (::chdir(folder.c_str()) != 0) ::_exit(126);
    ::dup2(output[1], STDOUT_FILENO);
    ::close(output[0]);
    ::execl(HERD_CLI_PATH, HERD_CLI_PATH, "run", "edit.script", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(output[1]);
  const bool written = RecoveryAppears(state / "fenmarsh-herdwright" / "recovery", std::chrono::seconds(30));
  ::kill(child, SIGKILL);
  int status = 0;
  ::waitpid(child, &status, 0);
  ::close(output[0]);
  ASSERT_TRUE(written);
  EXPECT_TRUE(WIFSIGNALED(status));

  const std::string restart = "cd " + Quoted(folder) + " && XDG_STATE_HOME=" + Quoted(state) + " " +
                              Quoted(HERD_CLI_PATH) + " run - >stdout 2>stderr";
  std::ofstream(folder / "restart.script")
      << "answer yes\nstart sample-ranch.vqn\ndump title\ndump modified\ndump controls\n"
         "answer yes\nclose\n";
  ASSERT_EQ(std::system((restart + " <restart.script").c_str()), 0) << ReadFile(folder / "stderr");
  const std::string out = ReadFile(folder / "stdout");
  EXPECT_EQ(out.rfind("sample-ranch.vqn - Corvale Herdwright\n1\n", 0), 0u) << out;
  EXPECT_NE(out.find("1071\tKilled-1\n"), std::string::npos) << out;
  // Closed without saving, the recovery went with the program: nothing is offered again.
  std::ofstream(folder / "again.script") << "start sample-ranch.vqn\ndump title\ndump modified\n";
  ASSERT_EQ(std::system((restart + " <again.script").c_str()), 0) << ReadFile(folder / "stderr");
  EXPECT_EQ(ReadFile(folder / "stdout"), "sample-ranch.vqn - Corvale Herdwright\n0\n");
  fs::remove_all(folder);
}

}  // namespace
