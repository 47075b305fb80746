#pragma once
// A test process keeps recovery files and settings in folders of its own:
// never the user's, and never another test's running beside it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

class PrivateStateFolders : public ::testing::Environment {
 public:
  PrivateStateFolders()
      : root_(std::filesystem::temp_directory_path() / ("herd-state-" + std::to_string(::getpid()))) {
    // Set at once: a test's static objects may read them before SetUp.
    ::setenv("XDG_STATE_HOME", (root_ / "state").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

 private:
  std::filesystem::path root_;
};

inline void UsePrivateStateFolders() { ::testing::AddGlobalTestEnvironment(new PrivateStateFolders); }
