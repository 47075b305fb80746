#include "platform/app_message.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless/headless_platform.h"

namespace {

struct CaptionRecorder : HeadlessPlatform {
  void ShowMessage(std::string_view text, std::string_view caption) override {
    shown.push_back(std::string(text) + "|" + std::string(caption));
  }
  std::vector<std::string> shown;
};

TEST(AppMessageBox, GoesToTheInstalledPlatformCutTo259Characters) {
  CaptionRecorder outer, inner;
  ScopedPlatform installOuter(outer);
  {
    ScopedPlatform installInner(inner);
    App_MessageBox("inner");
  }
  std::string accented;
  for (int i = 0; i < 300; ++i) accented += "\xC3\xA9";
  App_MessageBoxF("Invalid nCol %d", -3);
  App_MessageBoxF("Problem opening file <%s>", std::string_view("/farm/a%s.vqn"));
  App_MessageBoxF("<%s>", std::string(300, 'x'));
  App_MessageBoxF((std::string(300, 'a') + "%d").c_str(), 7);
  App_MessageBoxF("%s", accented);
  EXPECT_EQ(inner.shown, std::vector<std::string>{"inner|Corvale Herdwright"});
  const std::string caption = "|Corvale Herdwright";
  EXPECT_EQ(outer.shown, (std::vector<std::string>{
                             "Invalid nCol -3" + caption, "Problem opening file </farm/a%s.vqn>" + caption,
                             "<" + std::string(258, 'x') + caption, std::string(259, 'a') + caption,
                             accented.substr(0, 2 * 259) + caption}));
}

}  // namespace
