#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "document/tag_buffer.h"
#include "document/worksheet.h"
#include "platform/headless_platform.h"
#include "temp_folder.h"

namespace {

std::string Tags(const CBudgetWorksheet& worksheet) {
  CTagBuffer buffer;
  worksheet.WriteTags(buffer);
  return std::string(buffer.View());
}

std::string Document(const std::string& content) {
  return "<?xml version=\"1.0\" ?>\r\n<BUDGETWORKSHEET>\r\n" + content + "</BUDGETWORKSHEET>\r\n";
}

std::string Budget(const std::string& title) {
  return "<LIVESTOCKBUDGET>\r\n<TITLE>" + title + "</TITLE>\r\n</LIVESTOCKBUDGET>\r\n";
}

class WorksheetFile : public ::testing::Test {
 protected:
  static void Fill(CBudgetWorksheet& worksheet) {
    worksheet.name = "Ranch <Co> & Sons \xC3\xA9";
    worksheet.phone = "555-0100";
    worksheet.address = "Route 1\r\nValley &lt; Hill";
    CCropBudget* second = worksheet.GetBudget(1, true);
    second->publicationId = "CC-09";
    second->title = "Cow-calf </TITLE>";
    second->numUnits = 150;
    worksheet.GetBudget(0)->title = "Ewes";
  }
  static void ExpectEmpty(CBudgetWorksheet& worksheet) {
    EXPECT_EQ(worksheet.CountBudgets(), 0);
    EXPECT_EQ(worksheet.name + worksheet.phone + worksheet.address, "");
  }

  HeadlessPlatform platform;
  ScopedPlatform installed{platform};
  TempFolder folder;
};

TEST_F(WorksheetFile, WritesTheFrameByteForByte) {
  CBudgetWorksheet worksheet;
  worksheet.name = "Feed & Hay";
  const std::string text = Tags(worksheet);
  const std::string head = "<?xml version=\"1.0\" ?>\r\n"
                           "<!-- Corvale Tillwright, very rough XML format -->\r\n";
  ASSERT_TRUE(text.starts_with(head));
  // The third line names where the program can be had.
  const std::size_t thirdEnd = text.find("\r\n", head.size()) + 2;
  const std::string comment = text.substr(head.size(), thirdEnd - head.size());
  EXPECT_TRUE(comment.starts_with("<!-- Program is available from CV Ag Extension ")) << comment;
  EXPECT_TRUE(comment.ends_with(" -->\r\n")) << comment;
  EXPECT_EQ(text.substr(thirdEnd),
            "<BUDGETWORKSHEET>\r\n<VERSION>1.95</VERSION>\r\n<NAME>Feed & Hay</NAME>\r\n"
            "<PHONE></PHONE>\r\n<ADDRESS></ADDRESS>\r\n</BUDGETWORKSHEET>\r\n");
}

TEST_F(WorksheetFile, SaveAndOpenKeepTheHeaderAndBudgets) {
  CBudgetWorksheet saved;
  Fill(saved);
  const std::string path = folder.File("farm.vqn");
  ASSERT_TRUE(saved.Save(path));
  const std::string text = ReadBytes(path);
  EXPECT_NE(text.find("</ADDRESS>\r\n<LIVESTOCKBUDGET>\r\n<PUBLICATION></PUBLICATION>"), std::string::npos);
  EXPECT_NE(text.find("<TITLE>Cow-calf &lt;/TITLE></TITLE>"), std::string::npos);
  EXPECT_TRUE(text.ends_with("</LIVESTOCKBUDGET>\r\n</BUDGETWORKSHEET>\r\n"));

  CBudgetWorksheet read;
  ASSERT_TRUE(read.Open(path));
  EXPECT_EQ(read.name, saved.name);
  EXPECT_EQ(read.phone, saved.phone);
  EXPECT_EQ(read.address, saved.address);
  ASSERT_EQ(read.CountBudgets(), 2);
  EXPECT_EQ(read.GetBudget(0)->title, "Ewes");
  EXPECT_EQ(read.GetBudget(0)->numUnits, -1);
  EXPECT_EQ(read.GetBudget(1)->publicationId, "CC-09");
  EXPECT_EQ(read.GetBudget(1)->title, "Cow-calf </TITLE>");
  EXPECT_EQ(read.GetBudget(1)->numUnits, 150);
  EXPECT_EQ(Tags(read), text);
  EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(WorksheetFile, ReadsEveryVersionAndAnyOrderOfElements) {
  const std::string name = "<NAME>Ranch</NAME>\r\n";
  const std::vector<std::string> documents = {
      Document("<VERSION>1.95</VERSION>\r\n" + name + Budget("A") + Budget("B")),
      Document("<VERSION>2.0</VERSION>\r\n" + name + Budget("A") + Budget("B")),
      Document(name + Budget("A") + Budget("B")),
      Document("<VETERINARYCOST>\r\n\t<LABEL>Shots</LABEL>\r\n</VETERINARYCOST>\r\n<UNKNOWN>x</UNKNOWN>" +
               Budget("A") + "<!-- note -->\r\n" + Budget("B") + name),
  };
  for (const std::string& text : documents) {
    CBudgetWorksheet worksheet;
    ASSERT_TRUE(worksheet.ReadTags(text)) << text;
    EXPECT_EQ(worksheet.name, "Ranch") << text;
    ASSERT_EQ(worksheet.CountBudgets(), 2) << text;
    EXPECT_EQ(worksheet.GetBudget(0)->title + worksheet.GetBudget(1)->title, "AB") << text;
  }
}

TEST_F(WorksheetFile, ReadsHeaderTextsCutToTheirLimitsAndOlderFilesAsWindows1252) {
  CBudgetWorksheet worksheet;
  ASSERT_TRUE(worksheet.ReadTags(Document("<NAME>Caf\xE9 \x80</NAME><PHONE></PHONE><ADDRESS>" +
                                          std::string(200, 'a') + "</ADDRESS>" + Budget("Ni\xF1o"))));
  EXPECT_EQ(worksheet.name, "Caf\xC3\xA9 \xE2\x82\xAC");
  EXPECT_EQ(worksheet.phone, "");
  EXPECT_EQ(worksheet.address, std::string(150, 'a'));
  ASSERT_EQ(worksheet.CountBudgets(), 1);
  EXPECT_EQ(worksheet.GetBudget(0)->title, "Ni\xC3\xB1o");
  ASSERT_TRUE(worksheet.ReadTags(Document("<NAME>" + std::string(40, 'n') + "</NAME>")));
  EXPECT_EQ(worksheet.name, std::string(32, 'n'));
}

TEST_F(WorksheetFile, TextWithoutAWorksheetIsRefused) {
  for (const std::string_view text : {"", "<NAME>x</NAME>", "<BUDGETWORKSHEET><NAME>x</NAME>",
                                      "<budgetworksheet></budgetworksheet>"}) {
    CBudgetWorksheet worksheet;
    EXPECT_FALSE(worksheet.ReadTags(text)) << text;
    ExpectEmpty(worksheet);
  }
}

TEST_F(WorksheetFile, FailedSaveIsReportedWithThePathAndLeavesThePreviousFile) {
  const std::string previous = folder.File("farm.vqn");
  CBudgetWorksheet before;
  ASSERT_TRUE(before.Save(previous));
  const std::string bytes = ReadBytes(previous);
  WriteBytes(folder.File("plain"), "x");
  for (const std::string& path : {folder.File("missing/farm.vqn"), folder.File("plain/farm.vqn"), previous}) {
    CBudgetWorksheet worksheet;
    Fill(worksheet);
    // The document outgrows the file size limit: a full disk, to the writer.
    EXPECT_FALSE(WithFileSizeLimit(bytes.size(), [&] { return worksheet.Save(path); })) << path;
    const std::vector<std::string> messages = platform.TakeMessages();
    ASSERT_EQ(messages.size(), 1u) << path;
    EXPECT_NE(messages[0].find(path), std::string::npos) << messages[0];
  }
  EXPECT_EQ(ReadBytes(previous), bytes);
  EXPECT_EQ(folder.Names(), (std::set<std::string>{"farm.vqn", "plain"}));
}

TEST_F(WorksheetFile, OpenReportsAnUnreadableFileAndLeavesTheDocumentEmpty) {
  WriteBytes(folder.File("empty.vqn"), "");
  WriteBytes(folder.File("other.vqn"), "<?xml version=\"1.0\" ?>\r\n<NAME>Ranch</NAME>\r\n");
  WriteBytes(folder.File("large.vqn"), Document(Budget("A")) + std::string(kMaxDocumentBytes, ' '));
  for (const std::string& path : {folder.File("missing.vqn"), folder.File("empty.vqn"),
                                  folder.File("other.vqn"), folder.File("large.vqn"), folder.File("")}) {
    CBudgetWorksheet worksheet;
    Fill(worksheet);
    EXPECT_FALSE(worksheet.Open(path)) << path;
    ExpectEmpty(worksheet);
    EXPECT_EQ(platform.TakeMessages(), std::vector<std::string>{"Problem opening file <" + path + ">"});
  }
}

TEST_F(WorksheetFile, OpensADocumentOfExactly5000000Bytes) {
  std::string text = Document(Budget("A"));
  text += std::string(kMaxDocumentBytes - text.size(), ' ');
  WriteBytes(folder.File("full.vqn"), text);
  CBudgetWorksheet worksheet;
  ASSERT_TRUE(worksheet.Open(folder.File("full.vqn")));
  EXPECT_EQ(worksheet.CountBudgets(), 1);
}

// The fuzzer's troublesome inputs are kept there; each must read, save and read
// back to the same text.
TEST(FuzzCorpus, EveryKeptInputReadsAndWritesBack) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  for (const auto& entry : std::filesystem::directory_iterator(HERD_TEST_DATA_DIR "/fuzz")) {
    SCOPED_TRACE(entry.path().string());
    CTagBuffer buffer;
    ASSERT_TRUE(buffer.ReadFromFile(entry.path().string()));
    CBudgetWorksheet worksheet;
    if (!worksheet.ReadTags(buffer.View())) continue;
    const std::string saved = Tags(worksheet);
    CBudgetWorksheet reread;
    ASSERT_TRUE(reread.ReadTags(saved));
    EXPECT_EQ(Tags(reread), saved);
  }
}

}  // namespace
