#include <sys/stat.h>

#include "app/app_state.h"
#include "app/desktop_entry.h"
#include "app/setup_dialog.h"
#include "app/setup_places.h"
#include "app/setup_run.h"
#include "main_window_fixture.h"
#include "setup_environment.h"

namespace {

namespace fs = std::filesystem;

SetupParameters Parameters(const std::string& programPath) {
  SetupParameters parameters;
  parameters.programPath = programPath;
  parameters.productTitle = "Corvale Herdwright";
  return parameters;
}

TEST(DesktopEntry, QuotesTheProgramAndRefusesControlCharacters) {
  EXPECT_EQ(DesktopExecPath("/opt/Fenmarsh/herdwright"), "\"/opt/Fenmarsh/herdwright\"");
  // A quote, a dollar, a backquote and a backslash take a backslash inside the
  // quotes, every backslash is doubled as a string value, and % is doubled.
  EXPECT_EQ(DesktopExecPath("/a \"b\"/$c`d\\e/100%"),
            "\"/a \\\\\"b\\\\\"/\\\\$c\\\\`d\\\\\\\\e/100%%\"");
  EXPECT_EQ(DesktopExecPath("/a\nb"), std::nullopt);
  EXPECT_EQ(DesktopExecPath(""), std::nullopt);
  const std::string entry = DesktopEntryText(Parameters(""), "/opt/F/herdwright").value();
  for (const char* line : {"Name=Corvale Herdwright\n", "Exec=\"/opt/F/herdwright\" %f\n",
                           "MimeType=application/vqrn;\n", "Icon=fenmarsh-herdwright\n"}) {
    EXPECT_NE(entry.find(line), std::string::npos) << line;
  }
  const std::string type = MimePackageText(Parameters(""));
  for (const char* part : {"<mime-type type=\"application/vqrn\">", "<comment>CV Herdbook</comment>",
                           "<glob pattern=\"*.vqn\"/>"}) {
    EXPECT_NE(type.find(part), std::string::npos) << part;
  }
}

TEST(SetupPlacesTest, FollowTheUserDirsAndTheUser) {
  EXPECT_EQ(ProgramsFolderFor(true, "/root"), "/opt");
  EXPECT_EQ(ProgramsFolderFor(false, "/home/ann/"), "/home/ann/.local/opt");
  EXPECT_EQ(ProgramsFolderFor(false, ""), "");
  EXPECT_EQ(DesktopFolderFrom("", "/home/ann"), "/home/ann/Desktop");
  EXPECT_EQ(DesktopFolderFrom("# x\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n", "/home/ann"),
            "/home/ann/Schreibtisch");
  EXPECT_EQ(DesktopFolderFrom("XDG_DESKTOP_DIR=\"/srv/desk/\"", "/home/ann"), "/srv/desk");
  EXPECT_EQ(DesktopFolderFrom("XDG_DESKTOP_DIR=\"$HOME/\"\n", "/home/ann"), "")
      << "the home itself turns the desktop off";
  EXPECT_EQ(DesktopFolderFrom("", ""), "");
}

TEST(SetupTextsTest, SayWhatSetupCanAndCannotDo) {
  SetupSettings settings;
  settings.installFolder = "/home/ann/.local/opt";
  settings.canCopy = settings.canLink = settings.canAssociate = true;
  settings.canLinkDesktop = true;
  settings.hasExtraFiles = true;
  const SetupParameters parameters = Parameters("");
  SetupTexts texts = MakeSetupTexts(settings, parameters, true);
  EXPECT_EQ(texts.target, "/home/ann/.local/opt/Fenmarsh");
  EXPECT_EQ(texts.canDo,
            "Setup can do the following:\r\n\r\nCopy the program and extra files to the following "
            "directory:\r\n");
  EXPECT_EQ(texts.more,
            "Create a link to the program in your 'Start Menu' under 'Fenmarsh' and add a link on "
            "your Desktop.\r\n\r\nAssociate .vqn files with the program, to allow double-click "
            "opening.\r\n\r\n");

  settings.canCopy = settings.canAssociate = false;
  settings.folderChosen = true;
  texts = MakeSetupTexts(settings, parameters, false);
  EXPECT_EQ(texts.target, "/home/ann/.local/opt");
  EXPECT_EQ(texts.canDo,
            "Setup can not proceed because you do not have the correct permissons.\r\nCannot copy "
            "files to the directory. You do not have the correct permissions or the directory does "
            "not exist.\r\n");
  EXPECT_EQ(texts.more,
            "Cannot associate .vqn files with the program. You do not have the correct permissions "
            "to access 'HKEY_CLASSES_ROOT' in the Windows Registry.\r\n\r\nContact you network "
            "administrator or technical support for assistance.\r\n\r\nYou can still run the "
            "program without installing.");
}

class SetupRunTest : public ::testing::Test {
 protected:
  SetupRunTest() {
    fs::create_directories(program);
    WriteBytes(program + "herdwright", "#!/bin/sh\n");
    ::chmod((program + "herdwright").c_str(), 0755);
    WriteBytes(program + "TEMPLATE.vqn", "budgets");
    WriteBytes(program + "vqrn.ini",
               "# comment\r\nTEMPLATE.vqn\r\n../outside\r\n/etc/passwd\r\n#herdwright.svg\n");
    settings.programFolder = program;
  }
  std::string InData(const std::string& name) const { return environment.Data() + "/" + name; }

  SetupEnvironment environment;
  std::string program = environment.root.File("download/");
  SetupSettings settings;
};

TEST_F(SetupRunTest, InstallsForTheUserAndAgainHarmlessly) {
  settings.installFolder = environment.root.File("programs");
  ASSERT_TRUE(EvaluateSetup(settings));
  EXPECT_EQ(settings.menuFolder, InData("applications")) << "everyone's menu cannot be written";
  EXPECT_TRUE(settings.canLinkDesktop);
  EXPECT_TRUE(settings.hasExtraFiles);
  for (int run = 0; run < 2; ++run) {
    const SetupOutcome outcome = RunSetup(settings, Parameters(program + "herdwright"));
    ASSERT_TRUE(outcome.succeeded) << outcome.failure;
  }
  const std::string target = environment.root.File("programs/Fenmarsh/");
  EXPECT_EQ(settings.installedProgram, target + "herdwright");
  struct stat status {};
  ASSERT_EQ(::stat(settings.installedProgram.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777u, 0755u) << "the copy runs as the original";
  EXPECT_EQ(ReadBytes(target + "TEMPLATE.vqn"), "budgets");
  EXPECT_FALSE(fs::exists(environment.root.File("programs/outside")));
  EXPECT_EQ(std::distance(fs::directory_iterator(target), fs::directory_iterator()), 2)
      << "only the program and the one extra file named";
  const std::string entry = ReadBytes(InData("applications/fenmarsh-herdwright.desktop"));
  EXPECT_NE(entry.find("Exec=\"" + target + "herdwright\" %f\n"), std::string::npos);
  EXPECT_EQ(ReadBytes(environment.Home() + "/Desktop/Herdbook.desktop"), entry);
  EXPECT_EQ(ReadBytes(InData("mime/packages/fenmarsh-herdwright.xml")),
            MimePackageText(Parameters("")));
}

TEST_F(SetupRunTest, FromTheInstallFolderItselfCopiesNothingAndStillRegisters) {
  settings.installFolder = environment.root.File("download");
  settings.folderChosen = true;
  fs::remove(environment.Home() + "/Desktop");
  ASSERT_TRUE(EvaluateSetup(settings));
  EXPECT_FALSE(settings.canLinkDesktop) << "no desktop, no link";
  const SetupOutcome outcome = RunSetup(settings, Parameters(program + "herdwright"));
  ASSERT_TRUE(outcome.succeeded) << outcome.failure;
  EXPECT_EQ(settings.installedProgram, program + "herdwright");
  EXPECT_EQ(ReadBytes(program + "herdwright"), "#!/bin/sh\n");
  EXPECT_TRUE(fs::exists(InData("applications/fenmarsh-herdwright.desktop")));
  EXPECT_TRUE(fs::exists(InData("mime/packages/fenmarsh-herdwright.xml")));
}

TEST_F(SetupRunTest, AFailingStepStopsTheLaterOnes) {
  settings.installFolder = environment.root.File("programs");
  ASSERT_TRUE(EvaluateSetup(settings));
  // A folder where the desktop link would go: the link cannot replace it.
  fs::create_directories(environment.Home() + "/Desktop/Herdbook.desktop/inside");
  const SetupOutcome outcome = RunSetup(settings, Parameters(program + "herdwright"));
  EXPECT_FALSE(outcome.succeeded);
  EXPECT_NE(outcome.failure.find("Herdbook.desktop"), std::string::npos) << outcome.failure;
  EXPECT_TRUE(fs::exists(InData("applications/fenmarsh-herdwright.desktop")));
  EXPECT_FALSE(fs::exists(InData("mime/packages"))) << "the file type comes after the link";
  // A program that is not there fails the copy.
  const SetupOutcome missing = RunSetup(settings, Parameters(program + "nothing"));
  EXPECT_FALSE(missing.succeeded);
  EXPECT_NE(missing.failure.find("cannot read"), std::string::npos) << missing.failure;
}

TEST_F(SetupRunTest, WithoutAWritableMenuOrProgramFolderSetupCannotProceed) {
  environment.Set("XDG_DATA_HOME", environment.root.File("not-a-folder/data"));
  environment.Set("HOME", environment.root.File("not-a-folder/home"));
  settings.installFolder = environment.root.File("not-a-folder/programs");
  settings.folderChosen = true;
  EXPECT_FALSE(EvaluateSetup(settings));
  EXPECT_FALSE(settings.canCopy);
  EXPECT_FALSE(settings.canLink);
  EXPECT_FALSE(settings.canAssociate);
  EXPECT_FALSE(settings.canLinkDesktop);
}

class SetupStartTest : public MainWindowTest {
 protected:
  void SetUp() override {}
  // Starts with a setup switch; the steps act on the setup dialog.
  Dialog* StartWithSetup(std::vector<std::function<void(HeadlessDialog&)>> steps) {
    std::size_t next = 0;
    platform.SetPump([&] {
      HeadlessDialog* active = platform.ActiveWindow();
      if (next >= steps.size() || active == nullptr) return false;
      steps[next++](*active);
      return true;
    });
    Dialog* main = App_StartUp("--setup");
    platform.SetPump(nullptr);
    EXPECT_EQ(next, steps.size());
    return main;
  }

  SetupEnvironment environment;
};

TEST_F(SetupStartTest, DecliningRunsTheProgramWithoutADocument) {
  Dialog* main = StartWithSetup({[&](HeadlessDialog& dialog) {
    EXPECT_EQ(dialog.TemplateId(), kDialogSetup);
    EXPECT_NE(dialog.GetItemText(kIdcSetupNotice).find("Corvale Herdwright"), std::string::npos);
    platform.Answers().QueueFile({false, environment.root.File("chosen")});
    EXPECT_EQ(UserCommand(dialog, kIdcSetupChange), "");
    EXPECT_EQ(dialog.GetItemText(kIdcSetupTarget), environment.root.File("chosen"));
    EXPECT_TRUE(dialog.IsItemEnabled(kIdOk));
    EXPECT_EQ(UserCommand(dialog, kIdCancel), "");
  }});
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(platform.ProgramsStarted().empty());
  EXPECT_FALSE(fs::exists(environment.root.File("chosen")));
  EXPECT_EQ(App_Document().CountBudgets(), 1);
}

TEST_F(SetupStartTest, SetupThatRanHandsOverToTheInstalledCopy) {
  const std::string program = environment.root.File("herdwright");
  WriteBytes(program, "#!/bin/sh\n");
  platform.SetProgramPath(program);
  Dialog* main = StartWithSetup({[&](HeadlessDialog& dialog) {
    platform.Answers().QueueFile({false, environment.root.File("chosen")});
    EXPECT_EQ(UserCommand(dialog, kIdcSetupChange), "");
    EXPECT_EQ(UserCommand(dialog, kIdOk), "");
  }});
  EXPECT_EQ(main, nullptr) << "the installed copy takes over";
  EXPECT_EQ(platform.ProgramsStarted(),
            std::vector<std::string>{environment.root.File("chosen/herdwright")});
}

TEST_F(SetupStartTest, ACopyThatCannotStartIsReportedAndTheProgramRuns) {
  const std::string program = environment.root.File("herdwright");
  WriteBytes(program, "#!/bin/sh\n");
  platform.SetProgramPath(program);
  platform.SetShellResult(2);
  Dialog* main = StartWithSetup({[&](HeadlessDialog& dialog) {
    platform.Answers().QueueFile({false, environment.root.File("chosen")});
    EXPECT_EQ(UserCommand(dialog, kIdcSetupChange), "");
    EXPECT_EQ(UserCommand(dialog, kIdOk), "");
  }});
  EXPECT_NE(main, nullptr);
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{
                                "There was a problem with Setup or running the installed program."});
}

}  // namespace
