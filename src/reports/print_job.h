#pragma once
// The print engine: one print command's job. It holds the device the print
// dialog chose, prints the document once per copy, breaks pages and lays text
// out in twips. Sections draw through it at the current line y, which moves
// down the page as they advance.

#include <climits>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/print_device.h"

class PlatformWindow;

inline constexpr std::string_view kPrintJobName = "Tillwright";
inline constexpr int kLeftPosition = 200;  // x0 at the start of each copy
inline constexpr int kPageTop = -720;      // y at the top of every page

// What the page footer says of the document.
struct PrintFooterText {
  std::string fileName;  // empty while the document has no file
  std::string date;      // "month/day/year"
};

class CPrintJob {
 public:
  explicit CPrintJob(PrintFooterText footer = {});
  ~CPrintJob();
  CPrintJob(const CPrintJob&) = delete;
  CPrintJob& operator=(const CPrintJob&) = delete;

  // The system's print dialog, owned by a window; false when cancelled.
  bool ChoosePrinter(PlatformWindow* owner);
  // A device chosen without the dialog (herdwright-cli, tests).
  void UseDevice(std::unique_ptr<PrintDevice> device, int copyCount);

  // The copy loop: true while a copy is to be printed; the call that ends it
  // ends the document. Nothing is printed without a device.
  bool NextCopy();
  // False when the device could not start or finish the document.
  bool Succeeded() const { return !failed_; }
  int PagesPrinted() const { return pagesPrinted_; }

  void NewPage();
  // Makes the font description the device's font, and reads a and h.
  void ApplyFont();
  void SetFont(int height, int weight, bool underline = false);
  void SetWeight(int weight);
  void SetUnderline(bool underline);

  void Advance(int lines = 1) { y -= h * lines; }
  // The room below the current line.
  int Room() const { return y - H; }

  // Text at the current line: a line that would reach below the printable
  // area starts a new page first. Left-aligned text is cut short, ending in
  // "...", so that it ends before limit.
  static constexpr int kRightEdge = INT_MAX;  // limit: the printable area's right edge
  void Text(int x, std::string_view text, int limit = kRightEdge);
  void RightText(int x, std::string_view text);
  // A row of cells, each right-aligned at its tab stop (a cell beyond the
  // stops one interval of the last two further on); empty cells draw nothing.
  // Returns where the leftmost text drawn begins, kRightEdge when none was.
  enum class CellFit {
    kOverflow,   // amounts, drawn whole
    kFitColumn,  // names, cut to their column: the room after the stop before
    kKeepApart,  // headings: one that would run into the next moves left
  };
  int Cells(const std::vector<std::string>& cells, std::span<const int> stops,
            CellFit fit = CellFit::kOverflow);
  // Where Cells would begin the row.
  int CellsBegin(const std::vector<std::string>& cells, std::span<const int> stops);
  // A row's label at x0, ending a character's width before its cells.
  void Label(std::string_view text, int cellsBegin);
  // Whether a label fits at x0 before cells that begin there.
  bool LabelFits(std::string_view text, int cellsBegin);
  // A row of amounts with its label at x0: a label too wide for the room
  // before the amounts takes a line of its own above them.
  void LabeledRow(std::string_view label, const std::vector<std::string>& cells,
                  std::span<const int> stops);
  void Line(int x1, int y1, int x2, int y2);

  // Word wrapping, as a system's text box breaks lines: at line feeds, then
  // between words, and inside a word wider than the whole line.
  std::vector<std::string> WrapLines(std::string_view text, int width);
  // The text cut short, ending in "...", to be no wider than width; empty
  // when not even that fits.
  std::string FitText(std::string_view text, int width);
  int TextWidth(std::string_view text);

  const PrintFooterText& Footer() const { return footer_; }

  int copies = 0;
  int x0 = 0;
  int y = 0;
  int page = 0;  // within the current copy
  int copy = 0;  // passes begun
  int W = 0;     // the printable area's width
  int H = 0;     // and height, negative
  PrintFont font;
  int a = 0;
  int h = 0;

 private:
  void EnsureLine();
  int StopAt(std::span<const int> stops, std::size_t i) const;
  void Draw(int x, std::string_view text, PrintAlign align);

  const PrintFooterText footer_;
  std::optional<PrintFont> selected_;
  std::unique_ptr<PrintDevice> device_;
  bool started_ = false;
  bool pageOpen_ = false;
  bool failed_ = false;
  int pagesPrinted_ = 0;
};
