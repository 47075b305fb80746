#include "reports/print_job.h"

#include <algorithm>

#include "platform/platform.h"

namespace {

constexpr std::string_view kEllipsis = "...";

bool IsCharStart(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

// The byte offsets at which the text's characters end, in order.
std::vector<std::size_t> CharEnds(std::string_view text) {
  std::vector<std::size_t> ends;
  for (std::size_t i = 1; i <= text.size(); ++i)
    if (i == text.size() || IsCharStart(text[i])) ends.push_back(i);
  return ends;
}

// A printer draws control characters as boxes or not at all; a tab or line
// break inside a label must not move what follows it.
std::string Printable(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  return out;
}

}  // namespace

CPrintJob::CPrintJob(PrintFooterText footer) : footer_(std::move(footer)) {}

CPrintJob::~CPrintJob() = default;

bool CPrintJob::ChoosePrinter(PlatformWindow* owner) {
  PrinterChoice choice = App_Platform().ChoosePrinter(owner);
  if (!choice.device) return false;
  UseDevice(std::move(choice.device), choice.copies);
  return true;
}

void CPrintJob::UseDevice(std::unique_ptr<PrintDevice> device, int copyCount) {
  device_ = std::move(device);
  selected_.reset();
  copies = device_ ? copyCount : 0;
}

bool CPrintJob::NextCopy() {
  if (!device_) return false;
  if (!started_) {
    started_ = true;
    if (!device_->StartDocument(kPrintJobName)) {
      failed_ = true;
      device_.reset();
      return false;
    }
    W = device_->PageWidth();
    H = device_->PageHeight();
  }
  ++copy;
  page = 0;
  if (copy <= copies) return true;
  if (pageOpen_) device_->EndPage();
  pageOpen_ = false;
  if (!device_->EndDocument()) failed_ = true;
  device_.reset();
  return false;
}

void CPrintJob::NewPage() {
  if (!device_) return;
  if (pageOpen_) device_->EndPage();
  device_->StartPage();
  pageOpen_ = true;
  ++pagesPrinted_;
  ApplyFont();
  y = kPageTop;
  ++page;
}

void CPrintJob::ApplyFont() {
  if (!device_ || selected_ == font) return;
  selected_ = font;
  const PrintFontMetrics metrics = device_->SelectFont(font);
  a = metrics.averageCharWidth;
  h = metrics.height;
}

void CPrintJob::SetFont(int height, int weight, bool underline) {
  font = {height, weight, underline};
  ApplyFont();
}

void CPrintJob::SetWeight(int weight) { SetFont(font.height, weight, font.underline); }

void CPrintJob::SetUnderline(bool underline) { SetFont(font.height, font.weight, underline); }

void CPrintJob::EnsureLine() {
  // What the layout would put below the paper goes on the next page instead.
  if (!pageOpen_ || Room() < h) NewPage();
}

void CPrintJob::Draw(int x, std::string_view text, PrintAlign align) {
  if (device_ && !text.empty()) device_->DrawText(x, y, Printable(text), align);
}

int CPrintJob::TextWidth(std::string_view text) { return device_ ? device_->TextWidth(text) : 0; }

void CPrintJob::Text(int x, std::string_view text, int limit) {
  if (text.empty()) return;
  EnsureLine();
  const int right = limit == kRightEdge ? W : limit;
  Draw(x, FitText(text, right - x), PrintAlign::kLeft);
}

void CPrintJob::RightText(int x, std::string_view text) {
  if (text.empty()) return;
  EnsureLine();
  Draw(x, text, PrintAlign::kRight);
}

int CPrintJob::StopAt(std::span<const int> stops, std::size_t i) const {
  if (i < stops.size()) return stops[i];
  const int last = stops.empty() ? x0 : stops.back();
  const int interval = stops.size() < 2 ? 0 : last - stops[stops.size() - 2];
  return last + interval * static_cast<int>(i - stops.size() + 1);
}

int CPrintJob::Cells(const std::vector<std::string>& cells, std::span<const int> stops,
                     CellFit fit) {
  std::vector<std::string> texts = cells;
  std::vector<int> rights(cells.size());
  int nextLeft = kRightEdge;  // where the cell to the right begins
  for (std::size_t i = cells.size(); i-- > 0;) {
    rights[i] = StopAt(stops, i);
    if (texts[i].empty()) continue;
    if (fit == CellFit::kFitColumn) {
      const int bound = i == 0 ? x0 : StopAt(stops, i - 1);
      texts[i] = FitText(texts[i], rights[i] - bound - a);
      if (texts[i].empty()) continue;
    }
    if (fit == CellFit::kKeepApart && nextLeft != kRightEdge)
      rights[i] = std::min(rights[i], nextLeft - a / 2);
    if (fit == CellFit::kKeepApart) nextLeft = rights[i] - TextWidth(texts[i]);
  }
  int begin = kRightEdge;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (texts[i].empty()) continue;
    RightText(rights[i], texts[i]);
    // The leftmost cell drawn begins the row's text, unless it overflows.
    if (begin == kRightEdge) begin = rights[i] - TextWidth(texts[i]);
  }
  return begin;
}

int CPrintJob::CellsBegin(const std::vector<std::string>& cells, std::span<const int> stops) {
  for (std::size_t i = 0; i < cells.size(); ++i)
    if (!cells[i].empty()) return StopAt(stops, i) - TextWidth(cells[i]);
  return kRightEdge;
}

void CPrintJob::Label(std::string_view text, int cellsBegin) {
  Text(x0, text, cellsBegin == kRightEdge ? kRightEdge : cellsBegin - a);
}

bool CPrintJob::LabelFits(std::string_view text, int cellsBegin) {
  return cellsBegin == kRightEdge || x0 + TextWidth(text) <= cellsBegin - a;
}

void CPrintJob::LabeledRow(std::string_view label, const std::vector<std::string>& cells,
                           std::span<const int> stops) {
  if (!LabelFits(label, CellsBegin(cells, stops))) {
    Text(x0, label);
    Advance();
    Cells(cells, stops);
    return;
  }
  Label(label, Cells(cells, stops));
}

void CPrintJob::Line(int x1, int y1, int x2, int y2) {
  if (!pageOpen_) NewPage();
  if (device_) device_->DrawLine(x1, y1, x2, y2);
}

std::string CPrintJob::FitText(std::string_view text, int width) {
  if (width <= 0) return {};
  if (TextWidth(text) <= width) return std::string(text);
  if (TextWidth(kEllipsis) > width) return {};
  const std::vector<std::size_t> ends = CharEnds(text);
  // The most characters that still leave room for the ellipsis.
  std::size_t low = 0;
  std::size_t high = ends.size();
  const auto fits = [&](std::size_t count) {
    const std::size_t bytes = count == 0 ? 0 : ends[count - 1];
    return TextWidth(std::string(text.substr(0, bytes)) + std::string(kEllipsis)) <= width;
  };
  while (low < high) {
    const std::size_t mid = (low + high + 1) / 2;
    if (fits(mid)) {
      low = mid;
    } else {
      high = mid - 1;
    }
  }
  std::string kept(text.substr(0, low == 0 ? 0 : ends[low - 1]));
  while (!kept.empty() && kept.back() == ' ') kept.pop_back();
  return kept + std::string(kEllipsis);
}

std::vector<std::string> CPrintJob::WrapLines(std::string_view text, int width) {
  std::vector<std::string> lines;
  const auto breakWord = [&](std::string word) {
    // A word wider than the line is broken where the line is full.
    while (word.size() > 1 && TextWidth(word) > width) {
      const std::vector<std::size_t> ends = CharEnds(word);
      std::size_t keep = ends.front();
      for (std::size_t end : ends) {
        if (TextWidth(std::string_view(word).substr(0, end)) > width) break;
        keep = end;
      }
      if (keep >= word.size()) break;
      lines.push_back(word.substr(0, keep));
      word.erase(0, keep);
    }
    return word;
  };
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view paragraph = text.substr(0, end);
    if (!paragraph.empty() && paragraph.back() == '\r') paragraph.remove_suffix(1);
    text.remove_prefix(std::min(end + 1, text.size()));
    std::string line;
    bool started = false;
    while (true) {
      const std::size_t space = std::min(paragraph.find(' '), paragraph.size());
      const std::string word(paragraph.substr(0, space));
      const bool last = space == paragraph.size();
      const std::string candidate = started ? line + " " + word : word;
      if (!started || TextWidth(candidate) <= width) {
        line = started ? candidate : breakWord(word);
      } else {
        lines.push_back(line);
        line = breakWord(word);
      }
      started = true;
      if (last) break;
      paragraph.remove_prefix(space + 1);
    }
    lines.push_back(line);
  }
  return lines;
}
