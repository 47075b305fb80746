#pragma once
// herdwright-cli killed (SIGKILL) once its first recovery write is on disk,
// and a program started again in the same folder and state folder.

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "support/script_files.h"

namespace killed_program {

using namespace script_files;

inline bool RecoveryAppears(const fs::path& folder) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (std::chrono::steady_clock::now() < end) {
    std::error_code none;
    for (const auto& entry : fs::directory_iterator(folder, none))
      if (entry.path().extension() == ".vqn") return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

// The sample ranch's first budget ID typed over with TYPED, the minute's write,
// then output nobody reads stalls the program until the kill: no exit, no save.
// True when it was killed after the write.
inline bool KillAfterRecoveryWrite(const fs::path& folder, const std::string& typed) {
  fs::remove_all(folder);
  fs::create_directories(folder);
  fs::copy_file(kSample, folder / "sample-ranch.vqn");
  {
    std::ofstream script(folder / "edit.script");
    script << "start sample-ranch.vqn\nedit 1071 \"" << typed << "\"\ntick\n";
    for (int i = 0; i < 1000; ++i) script << "dump controls\n";
  }
  int output[2];
  if (::pipe(output) != 0) return false;
  const fs::path state = folder / "state";
  const pid_t child = ::fork();
  if (child == 0) {
    ::setenv("XDG_STATE_HOME", state.c_str(), 1);
    if (::chdir(folder.c_str()) != 0) ::_exit(126);
    ::dup2(output[1], STDOUT_FILENO);
    ::execl(HERD_CLI_PATH, HERD_CLI_PATH, "run", "edit.script", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(output[1]);
  const bool written = RecoveryAppears(state / "fenmarsh-herdwright" / "recovery");
  ::kill(child, SIGKILL);
  int status = 0;
  ::waitpid(child, &status, 0);
  ::close(output[0]);
  return written && WIFSIGNALED(status);
}

// `program RUN -` on the script in the killed program's folder and state.
inline ProgramRun RunAgain(const fs::path& folder, const std::string& program, const std::string& run,
                           const std::string& script) {
  std::ofstream(folder / "again.script") << script;
  const std::string command = "cd " + Quoted(folder) + " && XDG_STATE_HOME=" + Quoted(folder / "state") +
                              " XDG_CONFIG_HOME=" + Quoted(folder / "config") + " " + Quoted(program) +
                              " " + run + " - <again.script >stdout 2>stderr";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(folder / "stdout"),
          ReadFile(folder / "stderr")};
}

// Yes takes the work back, modified, under its document's name; closed
// without saving, the recovery goes with the program.
inline void ExpectTheNextStartRecovers(const std::string& program, const std::string& run,
                                       const std::string& name) {
  const fs::path folder = fs::temp_directory_path() / ("herd-killed-" + std::to_string(::getpid()) + name);
  ASSERT_TRUE(KillAfterRecoveryWrite(folder, "Killed-1"));
  const ProgramRun recovered =
      RunAgain(folder, program, run,
               "answer yes\nstart sample-ranch.vqn\ndump title\ndump modified\ndump tabs\n"
               "answer yes\nclose\n");
  EXPECT_EQ(recovered.status, 0) << recovered.err;
  EXPECT_EQ(recovered.out, "sample-ranch.vqn - Corvale Herdwright\n1\nSummary\n*Killed-1\nEL-21\n");
  const ProgramRun again = RunAgain(folder, program, run, "start sample-ranch.vqn\ndump modified\n");
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_EQ(again.out, "0\n");
  fs::remove_all(folder);
}

}  // namespace killed_program
