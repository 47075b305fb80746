// The desktop program's printing: the system print dialog, and the QPrinter
// device writing the report to PDF as the headless device does.

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

#include "document/worksheet.h"
#include "headless/pdf_print_device.h"
#include "platform/app_message.h"
#include "qt/qt_platform.h"
#include "qt/qt_print_device.h"
#include "qt_test_support.h"
#include "reports/print_report.h"
#include "support/pdf_tools.h"

namespace {

class QtPrinting : public ::testing::Test {
 protected:
  void SetUp() override {
    CCropBudget& budget = *worksheet.GetBudget(0, true);
    budget.title = "Cow-calf, spring calving";
    budget.publicationId = "CC-09";
    budget.numUnits = 100;
    CBudgetLine& calves = budget.AppendLine(kSectionReturns);
    calves.label = "Steer calves";
    calves.kind = kKindQuantity;
    calves.weight = 5.5;
    calves.units = "cwt";
    calves.quantity = 44;
    calves.value = 185;
    budget.footnote = "Prices are five-year averages.";
  }

  std::unique_ptr<QPrinter> PdfPrinter(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::Letter));
    printer->setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Point);
    return printer;
  }

  bool Print(std::unique_ptr<PrintDevice> device, int copies = 1) {
    CPrintJob job({"ranch.vqn", "3/14/2024"});
    job.UseDevice(std::move(device), copies);
    return PrintReportSections(job, worksheet, {kPrintBudgets, -1, -1});
  }

  QtPlatform platform;
  ScopedPlatform installed{platform};
  CBudgetWorksheet worksheet;
  QTemporaryDir folder;
};

TEST_F(QtPrinting, ThePrinterSetsTheReportWhereTheHeadlessPdfDoes) {
  SKIP_WITHOUT_PDF_TOOLS();
  const QString qt = folder.filePath("qt.pdf");
  ASSERT_TRUE(Print(std::make_unique<QtPrintDevice>(PdfPrinter(qt)), 2));
  const std::string core = folder.filePath("core.pdf").toStdString();
  ASSERT_TRUE(Print(std::make_unique<PdfPrintDevice>(core, PaperSize::kLetter), 2));

  const std::string path = qt.toStdString();
  EXPECT_EQ(pdf_tools::Info(path, "Pages"), "2");
  EXPECT_EQ(pdf_tools::Info(path, "Page size"), "612 x 792 pts (letter)");
  const std::string fonts = pdf_tools::Fonts(path);
  EXPECT_NE(fonts.find("LiberationSans "), std::string::npos) << fonts;
  EXPECT_NE(fonts.find("LiberationSans-Bold "), std::string::npos) << fonts;
  const std::vector<pdf_tools::Word> words = pdf_tools::Words(path);
  const std::vector<pdf_tools::Word> expected = pdf_tools::Words(core);
  ASSERT_EQ(words.size(), expected.size());
  for (std::size_t i = 0; i < words.size(); ++i) {
    EXPECT_EQ(words[i].text, expected[i].text);
    EXPECT_NEAR(words[i].xMax, expected[i].xMax, 0.5) << words[i].text;
    EXPECT_NEAR(words[i].yMin, expected[i].yMin, 0.5) << words[i].text;
  }
}

TEST_F(QtPrinting, AFileThatCannotBeWrittenIsReported) {
  MessageBoxAnswerer answerer;
  const QString path = folder.filePath("no-such-folder/report.pdf");
  EXPECT_FALSE(Print(std::make_unique<QtPrintDevice>(PdfPrinter(path))));
  ASSERT_EQ(answerer.Texts().size(), 1u);
  EXPECT_EQ(answerer.Texts()[0], "Problem writing file <" + path.toStdString() + ">");
}

TEST_F(QtPrinting, ThePrintDialogCancelledGivesNoPrinter) {
  ActOnNextModal<QPrintDialog>([](QPrintDialog* dialog) {
    // Letter paper and one copy are proposed.
    EXPECT_EQ(dialog->printer()->pageLayout().pageSize().id(), QPageSize::Letter);
    EXPECT_EQ(dialog->printer()->copyCount(), 1);
    dialog->reject();
  });
  const PrinterChoice choice = platform.ChoosePrinter(nullptr);
  EXPECT_EQ(choice.device, nullptr);
  EXPECT_EQ(choice.copies, 0);
}

}  // namespace
