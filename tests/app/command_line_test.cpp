#include <gtest/gtest.h>

#include "app/command_line.h"

namespace {

struct CommandLineCase {
  const char* commandLine;
  const char* programPath;
  const char* document;
  bool offerSetup;
};

class CommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

// With the temporary-folder trigger on, as on Windows.
TEST_P(CommandLineTest, DecidesDocumentAndSetup) {
  const CommandLineCase& c = GetParam();
  const StartupChoice choice = ReadCommandLine(c.commandLine, c.programPath, true);
  EXPECT_EQ(choice.document, c.document);
  EXPECT_EQ(choice.offerSetup, c.offerSetup);
}

// Without it, as on Linux, where builds and tests run from temporary folders:
// only a switch offers setup.
TEST(CommandLine, WithoutTheTemporaryFolderTriggerOnlyASwitchOffersSetup) {
  EXPECT_FALSE(kTemporaryFolderOffersSetup);
  const char* temporary = "/home/ann/TMP/herdwright";
  EXPECT_EQ(ReadCommandLine("ranch.vqn", temporary, false).offerSetup, false);
  EXPECT_EQ(ReadCommandLine("ranch.vqn", temporary, false).document, "ranch.vqn");
  for (const char* setup : {"--setup", "--INSTALL", "/Setup"}) {
    EXPECT_TRUE(ReadCommandLine(setup, temporary, false).offerSetup) << setup;
    EXPECT_EQ(ReadCommandLine(setup, temporary, false).document, "") << setup;
  }
  EXPECT_EQ(ReadCommandLine("--NoSetup", temporary, false).document, "");
}

constexpr const char* kInstalled = "/opt/herdwright/herdwright";
constexpr const char* kWindowsTemp = "C:\\Users\\ann\\AppData\\Local\\Temp\\VQRN.exe";

INSTANTIATE_TEST_SUITE_P(
    Switches, CommandLineTest,
    ::testing::Values(
        CommandLineCase{"", kInstalled, "", false},
        CommandLineCase{"/nosetup", kInstalled, "", false},
        CommandLineCase{"\\NOSETUP", kWindowsTemp, "", false},
        CommandLineCase{"/Setup", kInstalled, "", true},
        CommandLineCase{"\\setup", kInstalled, "", true},
        CommandLineCase{"/INSTALL", kInstalled, "", true},
        CommandLineCase{"\\Install", kInstalled, "", true},
        // Only the whole text is a switch.
        CommandLineCase{"/Setup.vqn", kInstalled, "/Setup.vqn", false},
        CommandLineCase{"/home/ann/ranch.vqn", kInstalled, "/home/ann/ranch.vqn", false},
        CommandLineCase{"C:\\farm\\ranch.vqn", kWindowsTemp, "C:\\farm\\ranch.vqn", true},
        CommandLineCase{"ranch.vqn", "/home/ann/TMP/herdwright", "ranch.vqn", true},
        // The temporary-folder names are matched with their case.
        CommandLineCase{"ranch.vqn", "/tmp/herdwright", "ranch.vqn", false},
        CommandLineCase{"ranch.vqn", "C:\\temp\\VQRN.exe", "ranch.vqn", false},
        CommandLineCase{"\"/home/ann/My Ranch.vqn\"", kInstalled, "/home/ann/My Ranch.vqn", false},
        CommandLineCase{"  /NoSetup ", kInstalled, "", false}));

struct PathCase {
  const char* path;
  const char* folder;
  const char* fileName;
};

TEST(PathPartsTest, SplitsAtTheLastSeparator) {
  const PathCase cases[] = {
      {"/opt/herdwright/herdwright", "/opt/herdwright/", "herdwright"},
      {"C:\\Program Files\\Fenmarsh\\VQRN.exe", "C:\\Program Files\\Fenmarsh\\", "VQRN.exe"},
      {"ranch.vqn", "", "ranch.vqn"},
      {"/home/ann/", "/home/ann/", ""},
      {"", "", ""},
  };
  for (const PathCase& c : cases) {
    EXPECT_EQ(FolderPart(c.path), c.folder) << c.path;
    EXPECT_EQ(FileNamePart(c.path), c.fileName) << c.path;
  }
}

}  // namespace
