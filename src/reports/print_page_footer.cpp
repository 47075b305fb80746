// The page footer: a rule, the document's file and date, and the program's
// version, right-aligned near the page's right edge.
#include <string>

#include "document/worksheet.h"
#include "reports/print_report.h"

namespace {

// The file name gives way first when the line would run past the left edge.
std::string FileLine(CPrintJob& job, int width) {
  const PrintFooterText& footer = job.Footer();
  if (footer.fileName.empty()) return "Untitled, Date: " + footer.date;
  const std::string head = "File: ";
  const std::string tail = "   Date Changed: " + footer.date;
  const std::string whole = head + footer.fileName + tail;
  if (job.TextWidth(whole) <= width) return whole;
  return head + job.FitText(footer.fileName, width - job.TextWidth(head + tail)) + tail;
}

}  // namespace

void PrintPageFooter(CPrintJob& job) {
  job.SetFont(200, 400, false);
  const int h = job.h;
  if (job.Room() <= 4 * h) {
    // The rule a third of a line below the last line, two lines under it:
    // where that would run off the paper, the footer takes a page of its own.
    if (job.Room() < 2 * (h / 3) + 2 * h) job.NewPage();
  }
  if (job.Room() <= 4 * h) {
    job.y -= h / 3;
  } else {
    job.y = job.H + 3 * h;
  }
  job.Line(job.W - 75 * job.a, job.y, job.W - 4 * job.a, job.y);
  job.y -= h / 3;
  const int x = job.W - 5 * job.a;
  job.RightText(x, FileLine(job, x - job.x0));
  job.Advance();
  job.RightText(x, "Corvale Herdwright Version " + std::string(kProgramVersion));
  job.Advance();
}
