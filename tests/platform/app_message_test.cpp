#include "platform/app_message.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "document/utf8_text.h"
#include "platform/headless_platform.h"

namespace {

class CaptionRecorder : public HeadlessPlatform {
 public:
  void ShowMessage(std::string_view text, std::string_view caption) override {
    shown.emplace_back(text, caption);
  }
  std::vector<std::pair<std::string, std::string>> shown;
};

TEST(AppMessageBox, GoesToTheInstalledPlatformUntilItsScopeEnds) {
  CaptionRecorder outer;
  ScopedPlatform installOuter(outer);
  {
    CaptionRecorder inner;
    ScopedPlatform installInner(inner);
    App_MessageBox("Can't delete last or only budget.");
    EXPECT_EQ(inner.shown, (std::vector<std::pair<std::string, std::string>>{
                               {"Can't delete last or only budget.", "Corvale Herdwright"}}));
  }
  App_MessageBox("after");
  EXPECT_EQ(outer.shown, (std::vector<std::pair<std::string, std::string>>{
                             {"after", "Corvale Herdwright"}}));
}

TEST(AppMessageBoxF, FormatsOneValueIntoAtMost259Characters) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  App_MessageBoxF("Invalid nCol in CExpenseLne::SetValue %d", -3);
  App_MessageBoxF("Problem opening file <%s>", std::string_view("/farm/a%s.vqn"));
  App_MessageBoxF("<%s>", std::string(300, 'x'));
  App_MessageBoxF((std::string(300, 'a') + "%d").c_str(), 7);
  std::string accented;
  for (int i = 0; i < 300; ++i) accented += "\xC3\xA9";
  App_MessageBoxF("%s", accented);
  const std::vector<std::string> messages = platform.TakeMessages();
  ASSERT_EQ(messages.size(), 5u);
  EXPECT_EQ(messages[0], "Invalid nCol in CExpenseLne::SetValue -3");
  EXPECT_EQ(messages[1], "Problem opening file </farm/a%s.vqn>");
  EXPECT_EQ(messages[2], "<" + std::string(258, 'x'));
  EXPECT_EQ(messages[3], std::string(259, 'a'));
  EXPECT_EQ(messages[4], accented.substr(0, 2 * 259));
}

}  // namespace
