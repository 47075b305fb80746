#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/app_state.h"
#include "app/shell_open.h"
#include "document/temp_folder.h"
#include "platform/headless_platform.h"

namespace {

class ShellOpenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App_ResetState();
    App_State().programFolder = "/opt/herdwright/";
  }
  void TearDown() override {
    EXPECT_EQ(platform.TakeFailure(), std::nullopt);
    App_ResetState();
  }

  HeadlessPlatform platform;
  ScopedPlatform scoped{platform};
};

constexpr const char* kGuide = "/opt/herdwright/VQRN User's Guide.pdf";
constexpr const char* kNoViewerQuestion =
    "Adobe Acrobat Reader, or another PDF viewer, is required to view the User's Guide.\r\n\r\n"
    "Would you like to visit the Adobe web site to download Acrobat Reader?";

TEST_F(ShellOpenTest, WithoutAViewerOffersTheDownloadPage) {
  struct Case {
    int answer;
    std::vector<std::string> opened;
  };
  const Case cases[] = {
      {kIdYes, {kGuide, "https://get.adobe.com/reader/"}},
      {kIdNo, {kGuide}},
  };
  for (const Case& c : cases) {
    HeadlessPlatform local;
    ScopedPlatform use(local);
    local.SetShellResult(31);
    local.Answers().QueueAnswer(c.answer);
    EXPECT_FALSE(OpenUsersGuide());
    EXPECT_EQ(local.Messages(), std::vector<std::string>{kNoViewerQuestion});
    EXPECT_EQ(local.ShellOpened(), c.opened);
    EXPECT_EQ(local.TakeFailure(), std::nullopt);
  }
}

TEST_F(ShellOpenTest, GuideOpensOrTheFailureIsReported) {
  platform.SetShellResult(42);
  EXPECT_TRUE(OpenUsersGuide());
  EXPECT_EQ(platform.ShellOpened(), std::vector<std::string>{kGuide});
  platform.SetShellResult(2);
  EXPECT_FALSE(OpenUsersGuide());
  EXPECT_EQ(platform.Messages(), std::vector<std::string>{"ShellExecute failed: 2"});
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
  OpenWebPage("extension.corvale.example/herdwright");
  OpenWebPage("https://extension.corvale.example/herdwright");
  EXPECT_EQ(platform.ShellOpened(),
            (std::vector<std::string>{"http://extension.corvale.example/herdwright",
                                      "https://extension.corvale.example/herdwright"}));
}

}  // namespace
