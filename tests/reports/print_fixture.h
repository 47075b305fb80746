#pragma once
// A print job on the recording device, and what it recorded.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "document/worksheet.h"
#include "headless/headless_platform.h"
#include "platform/recording_print_device.h"
#include "reports/print_report.h"
#include "support/borrowed_print_device.h"

// The draw list against tests/data/print/NAME.txt; HERD_UPDATE_GOLDEN=1 writes
// the file instead, for a layout changed on purpose.
inline void ExpectGoldenDrawList(const std::string& name, const std::string& calls) {
  const std::filesystem::path path =
      std::filesystem::path(HERD_TEST_DATA_DIR) / "print" / (name + ".txt");
  if (std::getenv("HERD_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(path, std::ios::binary) << calls;
    return;
  }
  std::ifstream file(path, std::ios::binary);
  std::ostringstream expected;
  expected << file.rdbuf();
  EXPECT_EQ(calls, expected.str()) << path;
}

class PrintFixture : public ::testing::Test {
 protected:
  // Prints the sections on a fresh recording device; its calls.
  std::string Print(int flags, int selector, int copies = 1,
                    PrintFooterText footer = {"ranch.vqn", "3/14/2024"}) {
    recording = std::make_unique<RecordingPrintDevice>(paper);
    job = std::make_unique<CPrintJob>(std::move(footer));
    job->UseDevice(std::make_unique<BorrowedPrintDevice>(*recording), copies);
    succeeded = PrintReportSections(*job, worksheet, {flags, selector, selector});
    return recording->Calls();
  }
  std::string Texts() const { return recording->Texts(); }
  int Pages() const { return recording->Pages(); }

  HeadlessPlatform platform;
  ScopedPlatform scoped{platform};
  CBudgetWorksheet worksheet;
  std::unique_ptr<CPrintJob> job;
  PaperSize paper = PaperSize::kLetter;
  std::unique_ptr<RecordingPrintDevice> recording;
  bool succeeded = false;
};
