// The document: its budgets and fields, and its file through the tag buffer.
#include "document/worksheet.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "text/file_read.h"
#include "text/tag_buffer.h"
#include "headless/headless_platform.h"
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

class Worksheet : public ::testing::Test {
 protected:
  std::string Titles() {
    std::string titles;
    for (int i = 0; CCropBudget* budget = worksheet.GetBudget(i); ++i) titles += budget->title + ";";
    return titles;
  }

  HeadlessPlatform platform;
  ScopedPlatform installed{platform};
  TempFolder folder;
  CBudgetWorksheet worksheet;
};

TEST_F(Worksheet, BudgetsAreMadeWhenAskedNeverAllDeletedAndFieldsCut) {
  EXPECT_EQ(worksheet.GetBudget(0), nullptr);
  worksheet.GetBudget(0, true)->title = "A";
  EXPECT_FALSE(worksheet.DeleteBudget(0));
  EXPECT_EQ(platform.TakeMessages(), std::vector<std::string>{"Can't delete last or only budget."});
  worksheet.GetBudget(3, true)->title = "D";
  EXPECT_EQ(worksheet.GetBudget(-1, true), nullptr);
  EXPECT_EQ(Titles(), "A;;;D;");
  EXPECT_TRUE(worksheet.DeleteBudget(1));
  EXPECT_FALSE(worksheet.DeleteBudget(3) || worksheet.DeleteBudget(-1));
  EXPECT_EQ(Titles(), "A;;D;");
  EXPECT_TRUE(platform.Messages().empty());

  std::string accented;  // fields are cut to their limits in characters
  for (int i = 0; i < 200; ++i) accented += "\xC3\xA9";
  worksheet.SetField(kIdcEditIdOrName, accented);
  worksheet.SetField(kIdcEditTitleOrPhone, std::string(40, '5'));
  worksheet.SetField(kIdcEditAddress, accented);
  worksheet.SetField(1072, "ignored");
  EXPECT_EQ(worksheet.name + "|" + worksheet.phone + "|" + worksheet.address,
            accented.substr(0, 2 * 32) + "|" + std::string(32, '5') + "|" + accented.substr(0, 2 * 150));
}

TEST_F(Worksheet, TagBufferReplacesThePreviousFileOrFailsKeepingIt) {
  const std::string path = folder.File("farm.vqn"), bytes("<A>\r\n\0\xE9</A>", 11);
  WriteBytes(path, "an older and longer document");
  WriteBytes(folder.File("plain"), "x");
  CTagBuffer buffer;
  buffer.Append(bytes);
  ASSERT_TRUE(buffer.WriteToFile(path));
  EXPECT_EQ(ReadBytes(path), bytes);

  // Beyond the file size limit, as on a full disk (failing as the bytes are written,
  // or only as they are flushed), or with no folder to write into.
  for (const auto& [size, target] : std::vector<std::pair<std::size_t, std::string>>{
           {100'000, path}, {1000, path}, {9, folder.File("none/farm.vqn")}, {9, folder.File("plain/a")}}) {
    CTagBuffer other;
    other.Append(std::string(size, 'x'));
    std::string error;
    const std::string& to = target;  // a name the lambda can capture
    EXPECT_FALSE(WithFileSizeLimit(100, [&] { return other.WriteToFile(to, &error); })) << to << size;
    EXPECT_FALSE(error.empty()) << to;
  }
  EXPECT_EQ(ReadBytes(path), bytes);
  EXPECT_EQ(folder.Names(), (std::set<std::string>{"farm.vqn", "plain"})) << "no temporary file left";
}

TEST_F(Worksheet, TagBufferReadsUpToTheLimitAndRefusesOneByteMore) {
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

// The text is read into the room reserved for the size the file claims: a
// last chunk past it would double a text of megabytes while it is copied.
TEST_F(Worksheet, AFileIsReadIntoTheRoomItsSizeClaims) {
  const std::string path = folder.File("sized.vqn");
  const std::string bytes(200'123, 'x');
  WriteBytes(path, bytes);
  std::string read, error;
  ASSERT_TRUE(ReadRegularFile(path, kMaxDocumentBytes, &read, &error)) << error;
  EXPECT_EQ(read, bytes);
  EXPECT_LE(read.capacity(), bytes.size() + 1);
}

// A file this program saves always opens again in it.
TEST_F(Worksheet, ADocumentTooLargeToOpenAgainIsNotSaved) {
  CCropBudget* budget = worksheet.GetBudget(0, true);
  LineSlot* tail = &budget->sections[kSectionReturns];
  const auto addLine = [&] {
    *tail = std::make_unique<CBudgetLine>();
    (*tail)->label = std::string(32, 'L');
    (*tail)->units = std::string(8, 'u');
    tail = &(*tail)->next;
  };
  const std::size_t empty = Tags(worksheet).size();
  addLine();
  std::size_t size = Tags(worksheet).size();
  for (const std::size_t lineBytes = size - empty; size + lineBytes <= kMaxDocumentBytes; size += lineBytes)
    addLine();
  budget->footnote = std::string(kMaxDocumentBytes - size, 'f');  // exactly at the limit
  const std::string path = folder.File("big.vqn");
  ASSERT_TRUE(worksheet.Save(path));
  EXPECT_EQ(ReadBytes(path).size(), kMaxDocumentBytes);
  CBudgetWorksheet read;
  ASSERT_TRUE(read.Open(path));

  budget->footnote += "f";
  EXPECT_FALSE(worksheet.Save(path));
  EXPECT_EQ(platform.TakeMessages(),
            std::vector<std::string>{"Problem saving file <" + path + ">\n\nThe document needs 5,000,001 bytes, "
                                     "more than the 5,000,000 a document file may hold: it could not be opened "
                                     "again. Remove some budgets or lines and save again.\n\nThe file on disk "
                                     "was not changed."});
  EXPECT_EQ(ReadBytes(path).size(), kMaxDocumentBytes);
}

#if defined(__SANITIZE_ADDRESS__)
#define HERD_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define HERD_UNDER_ASAN 1
#endif
#endif

TEST_F(Worksheet, RunningOutOfMemoryWhileSavingIsReported) {
#ifdef HERD_UNDER_ASAN
  GTEST_SKIP() << "the sanitizer needs more address space than the limit leaves";
#else
  // Their 12 MB of text outgrow the 5 MB the save reserves, and the limit
  // leaves no room to grow it.
  LineSlot* tail = &worksheet.GetBudget(0, true)->sections[kSectionOperating];
  for (int i = 0; i < 100000; ++i, tail = &(*tail)->next) *tail = std::make_unique<CBudgetLine>();
  const std::string path = folder.File("farm.vqn");
  const pid_t child = fork();
  if (child == 0) {
    // Room for a message, not for the document.
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    statm >> pages;
    const rlim_t bytes = static_cast<rlim_t>(pages) * sysconf(_SC_PAGESIZE) + (8 << 20);
    const rlimit limit{bytes, bytes};
    setrlimit(RLIMIT_AS, &limit);
    try {
      const bool saved = worksheet.Save(path);
      const std::vector<std::string> messages = platform.TakeMessages();
      _exit(!saved && messages.size() == 1 &&
                    messages[0].find("There is not enough memory to save the document.") != std::string::npos
                ? 0
                : 1);
    } catch (...) {
      _exit(2);  // the program would have ended here
    }
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  EXPECT_FALSE(std::filesystem::exists(path));
#endif
}

TEST_F(Worksheet, SaveAndOpenKeepTheHeaderAndBudgets) {
  worksheet.name = "Ranch <Co> & Sons \xC3\xA9";
  worksheet.address = "Route 1\r\nValley &lt; Hill";
  worksheet.GetBudget(1, true)->title = "Cow-calf </TITLE>";
  worksheet.GetBudget(1)->numUnits = 150;
  worksheet.GetBudget(0)->title = "Ewes";
  const std::string path = folder.File("farm.vqn");
  ASSERT_TRUE(worksheet.Save(path));
  CBudgetWorksheet read;
  ASSERT_TRUE(read.Open(path));
  EXPECT_EQ(ReadBytes(path), Tags(worksheet));
  EXPECT_EQ(Tags(read), Tags(worksheet)) << "what opens writes back the same";

  EXPECT_FALSE(worksheet.Save(folder.File("missing/farm.vqn")));
  const std::vector<std::string> messages = platform.TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find(folder.File("missing/farm.vqn")), std::string::npos) << messages[0];
}

TEST_F(Worksheet, ReadsAnyVersionAnyOrderAndOlderFilesAsWindows1252) {
  // A later version, other elements and the name last.
  ASSERT_TRUE(worksheet.ReadTags(Document("<VERSION>2.0</VERSION>\r\n<VETERINARYCOST><LABEL>Shots</LABEL>"
                                          "</VETERINARYCOST>\r\n<UNKNOWN>x</UNKNOWN>" + Budget("A") +
                                          "<!-- note -->\r\n" + Budget("B") + "<NAME>Ranch</NAME>\r\n")));
  EXPECT_EQ(worksheet.name + "|" + Titles(), "Ranch|A;B;");
  worksheet.Clear();
  ASSERT_TRUE(worksheet.ReadTags(Document("<NAME>Caf\xE9 \x80" + std::string(40, 'n') + "</NAME><ADDRESS>" +
                                          std::string(200, 'a') + "</ADDRESS>" + Budget("Ni\xF1o"))));
  EXPECT_EQ(worksheet.name, "Caf\xC3\xA9 \xE2\x82\xAC" + std::string(26, 'n'));
  EXPECT_EQ(worksheet.address + "|" + Titles(), std::string(150, 'a') + "|Ni\xC3\xB1o;");
}

// A list's elements are found wherever they stand, inside a budget or one of its
// rows too, though the pass for lists passes over the budgets that hold none.
TEST_F(Worksheet, ListElementsReadWhereverTheyStand) {
  const auto vet = [](const std::string& label) {
    return "<VETERINARYCOST><LABEL>" + label + "</LABEL></VETERINARYCOST>";
  };
  const std::string row = "<RECEIPTROW><LABEL>Calves</LABEL><PRICE>1.5</PRICE></RECEIPTROW>\r\n";
  ASSERT_TRUE(worksheet.ReadTags(Document(
      vet("a") + Budget("A") + "<LIVESTOCKBUDGET>" + row + vet("b") + row +
      "<OPERATINGROW><LABEL>Feed</LABEL>" + vet("c") + "</OPERATINGROW>" + row +
      "</LIVESTOCKBUDGET><LIVESTOCKBUDGET>" + row + "<VETERINARYCOST><LABEL>d</LABEL>" + row +
      "</LIVESTOCKBUDGET></VETERINARYCOST>" + Budget("E") + vet("e"))));
  std::string labels;
  for (const CVeterinaryCost* cost = worksheet.lists.pVeterinaryCosts.get(); cost; cost = cost->next.get())
    labels += cost->label + ";";
  EXPECT_EQ(labels, "a;b;c;d;e;");
  EXPECT_EQ(worksheet.CountBudgets(), 4);
  EXPECT_EQ(worksheet.GetBudget(1)->CountLines(kAllSections), 4);
}

// One rule for typed, calculated and file amounts: whatever is written reads back.
TEST_F(Worksheet, LargeAmountsReadBackAsWritten) {
  std::string message;
  CCropBudget* large = worksheet.GetBudget(0, true);
  large->interestRate = 10;
  large->interestTerm = 12;
  large->AppendLine(kSectionOperating).SetValue(6, "20,000,000,000,000,000", &message);
  large->UpdateOperatingInterest(true);
  // Too large for any file: the product of two 25-digit amounts, and its interest.
  CCropBudget* huge = worksheet.GetBudget(1, true);
  huge->interestRate = 10;
  huge->interestTerm = 12;
  CBudgetLine& line = huge->AppendLine(kSectionOperating);
  line.SetValue(4, "9000000000000000000000000", &message);
  line.SetValue(5, "9000000000000000000000000", &message);
  huge->UpdateOperatingInterest(true);
  EXPECT_EQ(message, "");
  ASSERT_NE(large->sections[kSectionOperating]->next, nullptr);
  EXPECT_EQ(large->sections[kSectionOperating]->next->value, 2e15);
  ASSERT_NE(huge->sections[kSectionOperating]->next, nullptr);
  EXPECT_EQ(huge->sections[kSectionOperating]->next->value, -1.0) << "a blank, not a lost row";

  const std::string saved = Tags(worksheet);
  CBudgetWorksheet read;
  ASSERT_TRUE(read.ReadTags(saved));
  EXPECT_EQ(Tags(read), saved);
  EXPECT_NE(saved.find("<TOTAL>2000000000000000.0000</TOTAL>\r\n\t<AUTO>INTEREST</AUTO>"), std::string::npos);
}

TEST_F(Worksheet, ReadsEachTextInItsOwnEncoding) {
  // A byte that is not UTF-8 in a comment or in one text leaves the others alone.
  ASSERT_TRUE(worksheet.ReadTags(Document("<!-- \xE9 -->\r\n<NAME>Caf\xC3\xA9</NAME>\r\n<PHONE>\xE9t\xE9</PHONE>" +
                                          Budget("Ni\xC3\xB1o") + Budget("Ni\xF1o"))));
  EXPECT_EQ(worksheet.name + "|" + worksheet.phone + "|" + Titles(),
            "Caf\xC3\xA9|\xC3\xA9t\xC3\xA9|Ni\xC3\xB1o;Ni\xC3\xB1o;");
}

TEST_F(Worksheet, WritesWindows1252WhenEveryCharacterFitsAndUtf8Otherwise) {
  worksheet.name = "Caf\xC3\xA9 \xE2\x82\xAC \xC2\x81";  // the code page's gaps read as C1 controls
  worksheet.GetBudget(0, true)->title = "Ni\xC3\xB1o";
  const std::string windows1252 = Tags(worksheet);
  EXPECT_NE(windows1252.find("<NAME>Caf\xE9 \x80 \x81</NAME>\r\n"), std::string::npos);
  EXPECT_NE(windows1252.find("<TITLE>Ni\xF1o</TITLE>\r\n"), std::string::npos);
  CBudgetWorksheet read;
  ASSERT_TRUE(read.ReadTags(windows1252));
  EXPECT_EQ(read.name, worksheet.name);
  EXPECT_EQ(Tags(read), windows1252) << "a Windows-1252 file writes back byte for byte";

  // One character the code page lacks, or one that would come back otherwise,
  // and the whole document is UTF-8.
  for (const std::string other : {"\xC5\x81\xC3\xB3" "d\xC5\xBA", "\xC3\x83\xC2\xA9"}) {
    worksheet.address = other;
    const std::string utf8 = Tags(worksheet);
    EXPECT_NE(utf8.find("<NAME>Caf\xC3\xA9 \xE2\x82\xAC \xC2\x81</NAME>"), std::string::npos) << other;
    read.Clear();
    ASSERT_TRUE(read.ReadTags(utf8));
    EXPECT_EQ(read.address + "|" + read.name, other + "|" + worksheet.name);
  }
}

TEST_F(Worksheet, OpenReportsAnUnreadableFileAndLeavesTheDocumentEmpty) {
  WriteBytes(folder.File("empty.vqn"), "");
  WriteBytes(folder.File("other.vqn"), "<?xml version=\"1.0\" ?>\r\n<NAME>Ranch</NAME>\r\n");
  WriteBytes(folder.File("lower.vqn"), "<budgetworksheet></budgetworksheet>");
  WriteBytes(folder.File("large.vqn"), Document(Budget("A")) + std::string(kMaxDocumentBytes, ' '));
  for (const std::string name : {"missing.vqn", "empty.vqn", "other.vqn", "lower.vqn", "large.vqn", ""}) {
    const std::string path = folder.File(name);
    worksheet.name = worksheet.phone = worksheet.address = "stale";
    worksheet.GetBudget(1, true);
    EXPECT_FALSE(worksheet.Open(path)) << path;
    EXPECT_EQ(worksheet.CountBudgets(), 0) << path;
    EXPECT_EQ(worksheet.name + worksheet.phone + worksheet.address, "") << path;
    EXPECT_EQ(platform.TakeMessages(), std::vector<std::string>{"Problem opening file <" + path + ">"});
  }
}

// The fuzzer's troublesome inputs are kept there, and its seeds beside; each
// must read, save and read back to the same text.
TEST(FuzzCorpus, EveryKeptInputReadsAndWritesBack) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  std::vector<std::filesystem::directory_entry> inputs;
  for (const char* folder : {"/fuzz", "/fuzz-seeds/open"}) {
    for (const auto& entry : std::filesystem::directory_iterator(HERD_TEST_DATA_DIR + std::string(folder)))
      inputs.push_back(entry);
  }
  for (const auto& entry : inputs) {
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

// Seeded with a document of every kind, the fuzzer starts from whole-farm lists
// and calculated rows rather than having to guess their markup.
TEST(FuzzCorpus, TheOpenFuzzersSeedsHoldEveryElementKind) {
  std::string seeds;
  for (const auto& entry : std::filesystem::directory_iterator(HERD_TEST_DATA_DIR "/fuzz-seeds/open"))
    seeds += ReadBytes(entry.path().string());
  for (const char* name :
       {"BUDGETWORKSHEET", "VERSION", "NAME", "PHONE", "ADDRESS", "LIVESTOCKBUDGET", "PUBLICATION", "TITLE",
        "NUMACRES", "HERDUNITS", "INTERESTRATE", "INTERESTTERM", "FOOTNOTE", "RECEIPTROW", "OPERATINGROW",
        "OWNERSHIPROW", "HEADING", "LABEL", "UNITS", "PRICE", "QUANTITY", "WEIGHT", "TOTAL", "ANIMALTOTAL",
        "AUTO", "OPERATINGEXPENSE", "OWNERSHIPEXPENSE", "ALLOCATION", "BUDGETMACHINE", "BUDGETBUILDING",
        "PURCHASEPRICE", "SALVAGEVALUE", "USEFULLIFE", "TAXES", "REPAIR", "HOUSING", "INSURANCE", "LICENSES",
        "MISCELLANEOUS", "PURCHASEDLIVESTOCK", "RETAINEDLIVESTOCK", "NUMBERHEAD", "VETERINARYCOST", "COST",
        "BUDGETLINE", "SECTION", "EXPENSELINE", "LIVESTOCKINVESTMENT"}) {
    EXPECT_NE(seeds.find("<" + std::string(name) + ">"), std::string::npos) << name;
  }
  for (const char* word :
       {"MACHINE", "EXPENSE", "BUILDING", "INTEREST", "VETERINARY", "PURCHASEDLIVESTOCK", "RETAINEDLIVESTOCK"}) {
    EXPECT_NE(seeds.find("<AUTO>" + std::string(word) + "</AUTO>"), std::string::npos) << word;
  }
}

}  // namespace
