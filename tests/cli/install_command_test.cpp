// herdwright-cli install: the setup steps without the dialog, from a program
// folder of its own, into a home of its own.

#include <sys/stat.h>

#include "support/script_files.h"

namespace {

using namespace script_files;

class CliInstall : public ::testing::Test {
 protected:
  CliInstall() {
    fs::remove_all(root_);
    fs::create_directories(program_);
    fs::create_directories(root_ / "home" / "Desktop");
    std::ofstream(root_ / "not-a-folder") << "";
    fs::copy_file(HERD_CLI_PATH, program_ / "herdwright-cli");
    std::ofstream(program_ / "herdwright") << "#!/bin/sh\n";
    fs::permissions(program_ / "herdwright", fs::perms::owner_all, fs::perm_options::add);
    std::ofstream(program_ / "vqrn.ini") << "# along\nTEMPLATE.vqn\nherdwright-cli\n";
    std::ofstream(program_ / "TEMPLATE.vqn") << "budgets";
  }
  ~CliInstall() override { fs::remove_all(root_); }

  ProgramRun Install(const std::string& arguments) {
    const fs::path home = root_ / "home";
    const std::string environment =
        "env HOME=" + Quoted(home) + " XDG_DATA_HOME=" + Quoted(home / ".local" / "share") +
        " XDG_CONFIG_HOME=" + Quoted(home / ".config") +
        " XDG_DATA_DIRS=" + Quoted(root_ / "not-a-folder" / "share") + " ";
    return RunIn((program_ / "herdwright-cli").string(), "install", "install " + arguments, "",
                 environment);
  }
  fs::path Data() const { return root_ / "home" / ".local" / "share"; }

  fs::path root_ = fs::temp_directory_path() / ("herd-install-" + std::to_string(getpid()));
  fs::path program_ = root_ / "download";
};

TEST_F(CliInstall, InstallsAndInstallsAgainHarmlessly) {
  const fs::path target = root_ / "opt" / "Fenmarsh";
  const std::string expected =
      "Installed " + (target / "herdwright").string() + "\nMenu entry " +
      (Data() / "applications" / "fenmarsh-herdwright.desktop").string() + "\nDesktop link " +
      (root_ / "home" / "Desktop" / "Herdbook.desktop").string() +
      "\nFile type application/vqrn (*.vqn) in " +
      (Data() / "mime" / "packages" / "fenmarsh-herdwright.xml").string() + "\n";
  for (int run = 0; run < 2; ++run) {
    const ProgramRun install = Install("--prefix " + Quoted(target));
    EXPECT_EQ(install.status, 0) << install.err;
    EXPECT_EQ(install.out, expected);
    EXPECT_EQ(install.err, "");
  }
  EXPECT_EQ(ReadFile(target / "TEMPLATE.vqn"), "budgets");
  EXPECT_EQ(ReadFile(target / "herdwright-cli"), ReadFile(HERD_CLI_PATH));
  EXPECT_NE(ReadFile(Data() / "applications" / "fenmarsh-herdwright.desktop")
                .find("Exec=\"" + (target / "herdwright").string() + "\" %f"),
            std::string::npos);
}

TEST_F(CliInstall, AStepThatFailsSaysWhichAndEndsWithOne) {
  const ProgramRun refused = Install("--prefix " + Quoted(root_ / "not-a-folder" / "opt"));
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "herdwright-cli install: cannot write the program folder " +
                             (root_ / "not-a-folder" / "opt").string() + "\n");
  EXPECT_EQ(refused.out, "");
  // A folder where the desktop link would go.
  fs::create_directories(root_ / "home" / "Desktop" / "Herdbook.desktop" / "inside");
  const ProgramRun failed = Install("--prefix " + Quoted(root_ / "opt"));
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.err.rfind("herdwright-cli install: cannot replace ", 0), 0u) << failed.err;
  fs::remove(program_ / "herdwright");
  const ProgramRun missing = Install("--prefix " + Quoted(root_ / "opt"));
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "herdwright-cli install: the desktop program " +
                             (program_ / "herdwright").string() + " is missing\n");
  EXPECT_EQ(Install("--prefix").status, 2);
  EXPECT_EQ(Install("somewhere").status, 2);
}

// The test command installs desktop-file-utils; elsewhere this says so.
TEST_F(CliInstall, TheMenuEntryPassesDesktopFileValidate) {
  if (std::system("command -v desktop-file-validate >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "desktop-file-validate is not installed (desktop-file-utils)";
  ASSERT_EQ(Install("--prefix " + Quoted(root_ / "a folder with \"quotes\" & $igns")).status, 0);
  const fs::path entry = Data() / "applications" / "fenmarsh-herdwright.desktop";
  const std::string command =
      "desktop-file-validate " + Quoted(entry) + " >" + Quoted(root_ / "validate") + " 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0) << ReadFile(root_ / "validate");
  EXPECT_EQ(ReadFile(root_ / "validate"), "");
}

}  // namespace
