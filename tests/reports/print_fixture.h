#pragma once
// A print job on the recording device, and what it recorded.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "document/worksheet.h"
#include "headless/headless_platform.h"
#include "platform/recording_print_device.h"
#include "reports/print_report.h"
#include "support/borrowed_print_device.h"

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
