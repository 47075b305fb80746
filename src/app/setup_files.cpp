#include "app/setup_files.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "text/file_read.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// Programs bigger than this are no program of ours.
constexpr std::size_t kMaxCopyBytes = 512u * 1024u * 1024u;

std::string Reason(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

// A new file in the folder, open for writing, named from the pattern.
int MakeTemporary(const std::string& folder, std::string* path) {
  std::string name = folder + "/.herdwright-XXXXXX";
  const int descriptor = ::mkstemp(name.data());
  if (descriptor >= 0) *path = name;
  return descriptor;
}

bool WriteAll(int descriptor, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = ::write(descriptor, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<std::size_t>(written);
  }
  return true;
}

bool Replace(const std::string& path, const std::string& bytes, unsigned mode,
             std::string* error) {
  const std::string folder = fs::path(path).parent_path().string();
  std::string temporary;
  const int descriptor = MakeTemporary(folder.empty() ? "." : folder, &temporary);
  if (descriptor < 0) {
    *error = Reason("cannot write in", folder);
    return false;
  }
  const bool written = WriteAll(descriptor, bytes) && ::fchmod(descriptor, mode) == 0 &&
                       ::fsync(descriptor) == 0;
  const int saved = errno;
  ::close(descriptor);
  if (!written) {
    errno = saved;
    *error = Reason("cannot write", path);
  } else if (::rename(temporary.c_str(), path.c_str()) != 0) {
    *error = Reason("cannot replace", path);
  } else {
    return true;
  }
  ::unlink(temporary.c_str());
  return false;
}

std::string FindOnPath(const std::string& name) {
  const char* variable = std::getenv("PATH");
  const std::string path = variable != nullptr ? variable : "/usr/bin:/bin";
  std::size_t at = 0;
  while (at <= path.size()) {
    const std::size_t end = std::min(path.find(':', at), path.size());
    const std::string folder = path.substr(at, end - at);
    at = end + 1;
    if (folder.empty()) continue;
    const std::string candidate = folder + "/" + name;
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

}  // namespace

bool TestFolderWritable(const std::string& folder) {
  std::string temporary;
  const int descriptor = MakeTemporary(folder, &temporary);
  if (descriptor < 0) return false;
  ::close(descriptor);
  ::unlink(temporary.c_str());
  return true;
}

bool CanWriteOrMake(const std::string& folder) {
  std::error_code error;
  fs::path at = fs::absolute(folder, error);
  if (error) return false;
  while (!fs::exists(at, error)) {
    if (!at.has_relative_path()) return false;
    at = at.parent_path();
  }
  return fs::is_directory(at, error) && TestFolderWritable(at.string());
}

bool MakeFolders(const std::string& folder, std::string* error) {
  std::error_code failure;
  fs::create_directories(folder, failure);
  if (!failure && fs::is_directory(folder, failure)) return true;
  *error = "cannot make the folder " + folder + ": " +
           (failure ? failure.message() : std::string("a file has its name"));
  return false;
}

bool CopyReplacing(const std::string& from, const std::string& to, std::string* error) {
  std::string bytes;
  std::string why;
  struct stat status {};
  if (!ReadRegularFile(from, kMaxCopyBytes, &bytes, &why) || ::stat(from.c_str(), &status) != 0) {
    *error = "cannot read " + from + (why.empty() ? "" : ": " + why);
    return false;
  }
  return Replace(to, bytes, status.st_mode & 07777u, error);
}

bool WriteReplacing(const std::string& path, const std::string& text, unsigned mode,
                    std::string* error) {
  return Replace(path, text, mode, error);
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  if (fs::exists(a, error) && fs::exists(b, error)) return fs::equivalent(a, b, error);
  return a == b;
}

bool RunTool(const std::vector<std::string>& command) {
  if (command.empty()) return false;
  const std::string program = FindOnPath(command.front());
  if (program.empty()) return false;
  std::vector<char*> arguments;
  for (const std::string& argument : command) arguments.push_back(const_cast<char*>(argument.c_str()));
  arguments.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (const int stream : {0, 1, 2})
    posix_spawn_file_actions_addopen(&actions, stream, "/dev/null", stream == 0 ? O_RDONLY : O_WRONLY, 0);
  pid_t child = 0;
  const int started = ::posix_spawn(&child, program.c_str(), &actions, nullptr, arguments.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (started != 0) return false;
  int status = 0;
  while (::waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return false;
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
