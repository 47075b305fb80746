#include <gtest/gtest.h>

#include <fstream>

#include "app/app_state.h"
#include "app/shell_open.h"
#include "document/temp_folder.h"
#include "headless/headless_platform.h"

namespace {

class ShellOpenTest : public ::testing::Test {
 protected:
  void SetUp() override { App_ResetState(); }
  void TearDown() override { App_ResetState(); }
};

constexpr const char* kGuide = "/opt/herdwright/VQRN User's Guide.pdf";
constexpr const char* kNoViewer =
    "Adobe Acrobat Reader, or another PDF viewer, is required to view the User's Guide.\r\n\r\n"
    "Would you like to visit the Adobe web site to download Acrobat Reader?";

TEST_F(ShellOpenTest, TheGuideOpensOrTheFailureIsReported) {
  struct Case {
    int shellResult;
    int answer;  // to the question, when one is asked
    bool opened;
    std::vector<std::string> messages, shellOpened;
  };
  const Case cases[] = {
      {42, 0, true, {}, {kGuide}},
      {2, 0, false, {"ShellExecute failed: 2"}, {kGuide}},
      {31, kIdYes, false, {kNoViewer}, {kGuide, "https://get.adobe.com/reader/"}},
      {31, kIdNo, false, {kNoViewer}, {kGuide}},
  };
  for (const Case& c : cases) {
    HeadlessPlatform platform;
    ScopedPlatform use(platform);
    App_State().programFolder = "/opt/herdwright/";
    platform.SetShellResult(c.shellResult);
    if (c.answer != 0) platform.Answers().QueueAnswer(c.answer);
    EXPECT_EQ(OpenUsersGuide(), c.opened) << c.shellResult;
    EXPECT_EQ(platform.Messages(), c.messages) << c.shellResult;
    EXPECT_EQ(platform.ShellOpened(), c.shellOpened) << c.shellResult;
    EXPECT_EQ(platform.TakeFailure(), std::nullopt);
  }
}

TEST_F(ShellOpenTest, GuideExistsOnlyBesideTheProgram) {
  TempFolder folder;
  App_State().programFolder = folder.File("");
  EXPECT_FALSE(UsersGuideExists());
  std::ofstream(folder.File("VQRN User's Guide.pdf")) << "%PDF";
  EXPECT_TRUE(UsersGuideExists());
  App_State().programFolder.clear();
  EXPECT_FALSE(UsersGuideExists());
}

TEST_F(ShellOpenTest, WebAddressesGetASchemeWhenTheyHaveNone) {
  HeadlessPlatform platform;
  ScopedPlatform use(platform);
  OpenWebPage("extension.corvale.example/herdwright");
  OpenWebPage("https://extension.corvale.example/herdwright");
  EXPECT_EQ(platform.ShellOpened(),
            (std::vector<std::string>{"http://extension.corvale.example/herdwright",
                                      "https://extension.corvale.example/herdwright"}));
}

}  // namespace
