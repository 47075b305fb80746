#include "document/tag_buffer.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace {

TEST(TagBuffer, AppendKeepsEveryByteAndReserveEmpties) {
  CTagBuffer buffer;
  buffer.Append("<A>");
  buffer.Append(std::string_view("\0\xE9\r\n", 4));
  EXPECT_EQ(buffer.View(), std::string_view("<A>\0\xE9\r\n", 7));
  buffer.Reserve(4096);
  EXPECT_EQ(buffer.GetLength(), 0u);
  EXPECT_STREQ(buffer.GetText(), "");
}

TEST(TagBufferWrite, ReplacesThePreviousFileWithExactBytes) {
  TempFolder folder;
  const std::string path = folder.File("farm.vqn");
  WriteBytes(path, "an older and longer document");
  CTagBuffer buffer;
  buffer.Append(std::string_view("<A>\r\n\0</A>", 10));
  ASSERT_TRUE(buffer.WriteToFile(path));
  EXPECT_EQ(ReadBytes(path), std::string("<A>\r\n\0</A>", 10));
  EXPECT_EQ(folder.Names(), std::set<std::string>{"farm.vqn"});
}

TEST(TagBufferWrite, FailsWithAReasonAndLeavesNoTemporaryFile) {
  TempFolder folder;
  WriteBytes(folder.File("plain"), "x");
  for (const std::string& path : {folder.File("missing/farm.vqn"), folder.File("plain/farm.vqn")}) {
    CTagBuffer buffer;
    buffer.Append("<A></A>\r\n");
    std::string error;
    EXPECT_FALSE(buffer.WriteToFile(path, &error)) << path;
    EXPECT_FALSE(error.empty()) << path;
  }
  EXPECT_EQ(folder.Names(), std::set<std::string>{"plain"});
  EXPECT_EQ(ReadBytes(folder.File("plain")), "x");
}

TEST(TagBufferWrite, FailedWriteKeepsThePreviousFile) {
  TempFolder folder;
  const std::string path = folder.File("farm.vqn");
  WriteBytes(path, "previous");
  CTagBuffer buffer;
  buffer.Append(std::string(100'000, 'x'));
  std::string error;
  EXPECT_FALSE(WithFileSizeLimit(4096, [&] { return buffer.WriteToFile(path, &error); }));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(ReadBytes(path), "previous");
  EXPECT_EQ(folder.Names(), std::set<std::string>{"farm.vqn"});
}

TEST(TagBufferRead, ReadsUpToTheLimitAndRefusesOneByteMore) {
  TempFolder folder;
  const std::string path = folder.File("big.vqn");
  const std::string bytes = std::string(kMaxDocumentBytes - 1, ' ') + '\xE9';
  WriteBytes(path, bytes);
  CTagBuffer buffer;
  ASSERT_TRUE(buffer.ReadFromFile(path));
  EXPECT_EQ(buffer.View(), bytes);
  WriteBytes(path, bytes + "!");
  std::string error;
  EXPECT_FALSE(buffer.ReadFromFile(path, &error));
  EXPECT_EQ(buffer.GetLength(), 0u);
  EXPECT_FALSE(error.empty());
}

TEST(TagBufferRead, EmptyFileIsAnEmptyTextWhileMissingFileAndFolderFail) {
  TempFolder folder;
  WriteBytes(folder.File("empty.vqn"), "");
  for (const std::string& path : {folder.File("empty.vqn"), folder.File("missing.vqn"), folder.File("")}) {
    CTagBuffer buffer;
    buffer.Append("stale");
    std::string error;
    EXPECT_EQ(buffer.ReadFromFile(path, &error), path.ends_with("empty.vqn")) << path;
    EXPECT_EQ(buffer.GetLength(), 0u) << path;
    EXPECT_EQ(error.empty(), path.ends_with("empty.vqn")) << path;
  }
}

}  // namespace
