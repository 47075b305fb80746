#include <filesystem>
#include <new>
#include <vector>

#include "text/tag_buffer.h"
#include "text/tag_reader.h"
#include "text/tag_writer.h"
#include "document/worksheet.h"
#include "platform/app_message.h"

namespace {

constexpr std::string_view kRoot = "BUDGETWORKSHEET";
constexpr std::string_view kBudgetElement = "LIVESTOCKBUDGET";

}  // namespace

void CBudgetWorksheet::WriteTags(CTagBuffer& buffer) const {
  // Room for the largest document a file may hold, reserved rather than used:
  // a save never moves its text, and never walks the document to size it.
  buffer.Reserve(kMaxDocumentBytes);

  buffer.Append("<?xml version=\"1.0\" ?>\r\n");
  buffer.Append("<!-- Corvale Tillwright, very rough XML format -->\r\n");
  buffer.Append(
      "<!-- Program is available from CV Ag Extension "
      "https://extension.corvale.example/herdwright -->\r\n");
  AppendOpenTag(buffer, kRoot);
  AppendTextElement(buffer, "", "VERSION", kProgramVersion);
  AppendTextElement(buffer, "", "NAME", name);
  AppendTextElement(buffer, "", "PHONE", phone);
  AppendTextElement(buffer, "", "ADDRESS", address);
  for (const CCropBudget* budget = budgets.get(); budget; budget = budget->next.get())
    budget->WriteTags(buffer, kBudgetElement);
  lists.WriteTags(buffer, CountBudgets());
  AppendCloseTag(buffer, kRoot);
  // Other versions read Windows-1252 only.
  if (buffer.NeededEncoding() == CTagBuffer::TextEncoding::kWindows1252) buffer.ConvertToWindows1252();
}

bool CBudgetWorksheet::ReadTags(std::string_view fileText) {
  CTagElement root;
  if (!FindElement(kRoot, fileText, 0, fileText.size(), &root)) return false;
  const std::size_t start = root.contentStart;
  const std::size_t end = root.contentEnd;

  double version = 0;
  ReadReal("VERSION", fileText, start, end, &version);  // any version reads the same way
  ReadText("NAME", &name, kDocumentNameChars, fileText, start, end);
  ReadText("PHONE", &phone, kDocumentPhoneChars, fileText, start, end);
  ReadText("ADDRESS", &address, kDocumentAddressChars, fileText, start, end);

  std::unique_ptr<CCropBudget>* tail = &budgets;
  while (*tail) tail = &(*tail)->next;
  // The lists' elements may stand anywhere, budgets included; a budget whose
  // reading saw none open inside is not looked through again for them.
  std::vector<TextRange> withoutLists;
  CTagElement element;
  for (std::size_t from = start; FindElement(kBudgetElement, fileText, from, end, &element);
       from = element.contentEnd) {
    *tail = std::make_unique<CCropBudget>();
    if ((*tail)->ReadTags(fileText, element.contentStart, element.contentEnd,
                          WholeFarmLists::ElementNames()))
      withoutLists.push_back({element.contentStart, element.contentEnd});
    tail = &(*tail)->next;
  }
  lists.ReadTags(fileText, start, end, withoutLists);
  return true;
}

namespace {

// The whole document is built in memory first; running out of it is a failed
// save like any other.
bool WriteDocumentFile(const CBudgetWorksheet& document, const std::string& path,
                       std::string* reason) {
  try {
    CTagBuffer buffer;
    document.WriteTags(buffer);
    return buffer.WriteToFile(path, reason);
  } catch (const std::bad_alloc&) {
    *reason = "There is not enough memory to save the document.";
    return false;
  }
}

}  // namespace

bool CBudgetWorksheet::Save(const std::string& path) {
  std::string reason;
  if (WriteDocumentFile(*this, path, &reason)) return true;
  App_MessageBox("Problem saving file <" + path + ">\n\n" + reason +
                 "\n\nThe file on disk was not changed.");
  return false;
}

bool CBudgetWorksheet::Open(const std::string& path) {
  std::error_code status;
  const bool exists = std::filesystem::exists(path, status);
  Clear();
  CTagBuffer buffer;
  // A text without a worksheet element reads nothing, so the document stays empty.
  if (!exists || !buffer.ReadFromFile(path) || !ReadTags(buffer.View())) {
    App_MessageBoxF("Problem opening file <%s>", path);
    return false;
  }
  return true;
}
