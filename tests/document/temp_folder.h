#pragma once
// Scratch files for the document tests: a fresh folder, removed with its contents.

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

class TempFolder {
 public:
  TempFolder() : path_(std::filesystem::temp_directory_path() / Unique()) {
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() { std::error_code ignored; std::filesystem::remove_all(path_, ignored); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string File(std::string_view name) const { return (path_ / name).string(); }
  // Everything in the folder: a leftover temporary file shows here.
  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
      names.insert(entry.path().filename().string());
    return names;
  }

 private:
  static std::string Unique() {
    static int counter = 0;
    return "herd-doc-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
  }
  std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Runs the call while no file may grow beyond `bytes`, so writes fail as on a full
// disk: the tests run as root, which permission tricks cannot stop.
template <class Call>
auto WithFileSizeLimit(rlim_t bytes, Call call) {
  rlimit previous{};
  ::getrlimit(RLIMIT_FSIZE, &previous);
  rlimit limited = previous;
  limited.rlim_cur = bytes;
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &limited);
  auto result = call();
  ::setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, previousHandler);
  return result;
}
