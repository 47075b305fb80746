#pragma once
// Moving one record through the clipboard as markup plus its text row.

#include <cstddef>
#include <string>
#include <string_view>

class PlatformWindow;

inline constexpr std::string_view kFormatBudgetLine = "xml/QRN-BudgetLine";
inline constexpr std::string_view kFormatExpense = "xml/QRN-Expense";
inline constexpr std::string_view kFormatMachine = "xml/QRN-Machine";
inline constexpr std::string_view kFormatBuilding = "xml/QRN-Building";
inline constexpr std::string_view kFormatLivestockInvestment = "xml/QRN-LivestockInvestment";
inline constexpr std::string_view kFormatVeterinary = "xml/QRN-Veterinary";

// Places exactly these bytes; the clipboard must already be open and emptied.
bool PutClipboardData(std::string_view bytes, std::string_view format);
// Copies the data when it is not larger than the capacity. *size receives the
// data's size whenever data of that format exists (0 otherwise).
bool FetchClipboardData(PlatformWindow* window, std::string* destination, std::size_t capacity,
                        std::size_t* size, std::string_view format);
bool IsClipboardFormatOffered(PlatformWindow* window, std::string_view format);

// Open, empty, place the text row as plain text and the element in its format,
// close. The result is that of the last placement.
bool CopyRecordToClipboard(PlatformWindow* window, std::string_view element,
                           std::string_view textRow, std::string_view format);

// What a Paste command finds: a record of the grid's own format, else a text for
// one cell.
enum class PasteKind { kNone, kRecord, kText };
PasteKind OfferedPaste(std::string_view recordFormat);
// The clipboard's text for one cell; a text longer than a cell edit counts as
// nothing rather than being cut.
std::string PastedCellText();
