#pragma once
// A script that prints through the Print Report dialog and Print Current Tab
// to PDF files, run by a program; the files' text as pdftotext lays it out.

#include <filesystem>
#include <string>
#include <vector>

#include "support/pdf_tools.h"
#include "support/script_files.h"

namespace script_printing {

namespace fs = std::filesystem;

struct PrintedFiles {
  script_files::ProgramRun run;
  std::string report;      // the report, two copies
  std::string currentTab;  // the first budget's tab
  std::vector<pdf_tools::Word> reportWords;
};

inline PrintedFiles PrintWith(const std::string& program, const std::string& runOption,
                              const std::string& name) {
  const fs::path folder = fs::temp_directory_path() /
                          ("herd-printed-" + std::to_string(getpid()) + "-" + name);
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string report = (folder / "report.pdf").string();
  const std::string tab = (folder / "tab.pdf").string();
  const std::string script =
      "start sample-ranch.vqn\n"
      "command 57607\n"
      "command 1151\n"
      "printer \"" + report + "\" 2\n"
      "command 1\n"
      "tab 1\n"
      "printer \"" + tab + "\"\n"
      "command 1094\n";
  PrintedFiles printed;
  printed.run = script_files::RunIn(program, name, runOption + " -", script);
  printed.report = pdf_tools::LayoutText(report) + "pages: " + pdf_tools::Info(report, "Pages");
  printed.currentTab = pdf_tools::LayoutText(tab) + "pages: " + pdf_tools::Info(tab, "Pages");
  printed.reportWords = pdf_tools::Words(report);
  fs::remove_all(folder);
  return printed;
}

// The dialog's selection (the summary and the budgets, the sample's lists
// being empty) with the operating cost summary ticked, twice; then a tab.
inline void ExpectTheReportAndTheTab(const PrintedFiles& printed) {
  EXPECT_EQ(printed.run.status, 0) << printed.run.err;
  EXPECT_EQ(printed.run.err, "");
  EXPECT_TRUE(printed.report.ends_with("pages: 8")) << printed.report;
  for (const char* expected : {"Summary (totals)", "Farm/Ranch Operating Cost Summary",
                               "Cow-calf, spring calving", "Ewe-lamb, range flock",
                               "File: sample-ranch.vqn", "Corvale Herdwright Version 1.95"})
    EXPECT_NE(printed.report.find(expected), std::string::npos) << expected;
  EXPECT_EQ(printed.report.find("General Farm/Ranch Expenses"), std::string::npos);
  EXPECT_TRUE(printed.currentTab.ends_with("pages: 1")) << printed.currentTab;
  EXPECT_NE(printed.currentTab.find("Cow-calf, spring calving"), std::string::npos);
}

}  // namespace script_printing
