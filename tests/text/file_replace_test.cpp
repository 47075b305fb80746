// Saving replaces a file through a temporary one, keeping what protects it.
#include <gtest/gtest.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "document/temp_folder.h"
#include "support/as_nobody.h"
#include "text/tag_buffer.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kBytes = "<BUDGETWORKSHEET>\r\n</BUDGETWORKSHEET>\r\n";

bool Write(const std::string& path, std::string* error = nullptr) {
  CTagBuffer buffer;
  buffer.Append(kBytes);
  return buffer.WriteToFile(path, error);
}

fs::perms Mode(const std::string& path) { return fs::status(path).permissions(); }

class ScopedUmask {
 public:
  explicit ScopedUmask(mode_t mask) : previous_(umask(mask)) {}
  ~ScopedUmask() { umask(previous_); }

 private:
  mode_t previous_;
};

TEST(ReplaceFile, KeepsTheFilesPermissionsAndWritesThroughSymbolicLinks) {
  TempFolder folder;
  ScopedUmask mask(022);
  for (const auto mode : {fs::perms::owner_read | fs::perms::owner_write,
                          fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read}) {
    const std::string path = folder.File("private.vqn");
    WriteBytes(path, "old");
    fs::permissions(path, mode);
    ASSERT_TRUE(Write(path));
    EXPECT_EQ(Mode(path), mode);
    EXPECT_EQ(ReadBytes(path), kBytes);
  }
  EXPECT_TRUE(Write(folder.File("new.vqn")));
  EXPECT_EQ(Mode(folder.File("new.vqn")), fs::perms(0644));

  // A link, a link to a link, and a link whose file does not exist yet.
  fs::create_directory(folder.File("sub"));
  WriteBytes(folder.File("sub/real.vqn"), "old");
  fs::create_symlink("sub/real.vqn", folder.File("link.vqn"));
  fs::create_symlink(folder.File("link.vqn"), folder.File("chain.vqn"));
  fs::create_symlink("later.vqn", folder.File("sub/dangling.vqn"));
  for (const std::string link : {"link.vqn", "chain.vqn", "sub/dangling.vqn"}) {
    ASSERT_TRUE(Write(folder.File(link))) << link;
    EXPECT_TRUE(fs::is_symlink(folder.File(link))) << link;
  }
  EXPECT_EQ(ReadBytes(folder.File("sub/real.vqn")), kBytes);
  EXPECT_EQ(ReadBytes(folder.File("sub/later.vqn")), kBytes);
  EXPECT_EQ(folder.Names(), (std::set<std::string>{"private.vqn", "new.vqn", "sub", "link.vqn", "chain.vqn"}));

  fs::create_symlink("loop.vqn", folder.File("loop.vqn"));
  std::string error;
  EXPECT_FALSE(Write(folder.File("loop.vqn"), &error));
  EXPECT_FALSE(error.empty());
}

// Unsaved work kept aside is the user's alone from its first byte, whatever the
// umask; once it exists, its mode is kept as any file's is.
TEST(ReplaceFile, AnOwnerOnlyFileIsNeverReadableByOthers) {
  TempFolder folder;
  ScopedUmask mask(0);
  const std::string path = folder.File("recovery.vqn");
  std::string error;
  ASSERT_TRUE(ReplaceFileContents(path, kBytes, &error, NewFileAccess::kOwnerOnly)) << error;
  EXPECT_EQ(Mode(path), fs::perms(0600));
  fs::permissions(path, fs::perms(0640));
  ASSERT_TRUE(ReplaceFileContents(path, "again", &error, NewFileAccess::kOwnerOnly)) << error;
  EXPECT_EQ(Mode(path), fs::perms(0640));
  EXPECT_EQ(ReadBytes(path), "again");
}

TEST(ReplaceFile, RefusesAReadOnlyFileAndWhatIsNotAFile) {
  TempFolder folder;
  const std::string readOnly = folder.File("read-only.vqn");
  WriteBytes(readOnly, "kept");
  fs::permissions(readOnly, fs::perms(0444));
  std::string error;
  EXPECT_FALSE(Write(readOnly, &error));
  EXPECT_EQ(error, "The file is read-only");
  EXPECT_EQ(ReadBytes(readOnly), "kept");

  const std::string pipe = folder.File("pipe.vqn");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
  EXPECT_FALSE(Write(pipe, &error));
  EXPECT_EQ(error, "It is not a regular file");
  EXPECT_TRUE(fs::is_fifo(pipe));
  EXPECT_EQ(folder.Names(), (std::set<std::string>{"read-only.vqn", "pipe.vqn"}));
}

TEST(ReplaceFile, NeverWritesThroughWhatAKilledSaveLeft) {
  TempFolder folder;
  const std::string path = folder.File("farm.vqn");
  WriteBytes(path + ".saving~", "half a document");
  ASSERT_TRUE(Write(path));
  EXPECT_EQ(ReadBytes(path), kBytes);

  // Planted as a link, it must not lead the save to another file.
  WriteBytes(folder.File("victim"), "untouched");
  fs::create_symlink("victim", path + ".saving~");
  ASSERT_TRUE(Write(path));
  EXPECT_FALSE(fs::is_symlink(path));
  EXPECT_EQ(ReadBytes(path), kBytes);
  EXPECT_EQ(ReadBytes(folder.File("victim")), "untouched");
  EXPECT_EQ(folder.Names(), (std::set<std::string>{"farm.vqn", "victim"}));
}

TEST(ReplaceFile, AUserCannotReplaceAFileHeMayNotWrite) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to become another user";
  TempFolder folder;
  fs::permissions(folder.File(""), fs::perms::all);  // anyone may make files here
  const std::string others = folder.File("others.vqn"), own = folder.File("own.vqn");
  WriteBytes(others, "kept");
  fs::permissions(others, fs::perms(0644));
  EXPECT_TRUE(AsNobody([&] {
    std::string error;
    return !Write(others, &error) && error == "The file is read-only";
  }));
  EXPECT_EQ(ReadBytes(others), "kept");
  EXPECT_TRUE(AsNobody([&] { return Write(own) && chmod(own.c_str(), 0600) == 0 && Write(own); }));
  EXPECT_EQ(Mode(own), fs::perms(0600));
  EXPECT_EQ(ReadBytes(own), kBytes);
}

}  // namespace
