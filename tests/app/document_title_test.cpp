#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "app/app_state.h"
#include "app/document_title.h"
#include "document/temp_folder.h"

namespace {

class DocumentTitleTest : public ::testing::Test {
 protected:
  void SetUp() override { App_ResetState(); }
  void TearDown() override { App_ResetState(); }
};

std::string Today() {
  const std::time_t now = std::time(nullptr);
  return FormatDocumentDate(*std::localtime(&now));
}

TEST_F(DocumentTitleTest, SavedFileGivesItsOwnDateUntilChanged) {
  TempFolder folder;
  const std::string path = folder.File("ranch.vqn");
  WriteBytes(path, "x");
  std::tm noon{};
  noon.tm_year = 2021 - 1900;
  noon.tm_mon = 2;
  noon.tm_mday = 5;
  noon.tm_hour = 12;
  noon.tm_isdst = -1;
  const auto written = std::chrono::system_clock::from_time_t(std::mktime(&noon));
  std::filesystem::last_write_time(path, std::chrono::file_clock::from_sys(written));

  EXPECT_EQ(GetDocumentDate(), Today());
  SetDocumentTitle(path);
  EXPECT_EQ(GetDocumentDate(), "3/5/2021");
  SetDocumentModified();
  EXPECT_EQ(GetDocumentDate(), Today());
}

}  // namespace
