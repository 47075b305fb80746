#pragma once
// Runs a call as the unprivileged user "nobody", in a child process, and gives
// its result; tests run as root, whom no file mode stops.

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

inline bool AsNobody(const std::function<bool()>& call) {
  const pid_t child = fork();
  if (child == 0) {
    const bool dropped = setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0;
    _exit(dropped && call() ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
