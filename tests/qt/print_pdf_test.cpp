// The printed phone book through QPrinter into a PDF file, read back with pdftotext:
// every entry line is there, and every page carries its title.
#include <gtest/gtest.h>

#include <QPrinter>
#include <memory>
#include <string>

#include "phonebook/windows/phonebook_print.h"
#include "qt/print_job.h"
#include "support/child_process.h"
#include "support/temp_dir.h"

namespace telvane::qt {
namespace {

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++count;
  return count;
}

TEST(PrintPdf, EveryEntryLineAndATitleOnEveryPage) {
  telvane::testing::TempDir dir;
  const auto pdf = dir / "book.pdf";
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(QString::fromStdString(pdf.string()));
  printer->setPageSize(QPageSize(QPageSize::A4));
  auto job = std::make_unique<QtPrintJob>(std::move(printer));

  const phonebook::PrintLayout layout =
      phonebook::ComputePrintLayout(job->Metrics(), job->SelectFont(phonebook::kPrintPoints));
  ASSERT_GT(layout.linesPerPage, 10);
  std::vector<std::string> lines;
  const int entries = layout.linesPerPage + 5;  // two pages
  for (int i = 1; i <= entries; ++i) {
    lines.push_back(phonebook::PrintLine({}, phonebook::Book::kSim, std::to_string(i),
                                         "Name" + std::to_string(i), "+49301" + std::to_string(i)));
  }
  const phonebook::LocalTime time{2026, 12, 6, 11, 30, 0};
  phonebook::PrintDocument(*job, layout, 9, phonebook::Book::kSim, time, lines, {});
  job.reset();  // the PDF is complete once the painter ends

  // Text extraction keeps the words of a line, not the width of their gaps.
  std::string text;
  for (const char c :
       telvane::testing::RunProgram({"pdftotext", "-layout", pdf.string(), "-"}).out) {
    if (c != ' ' || text.empty() || text.back() != ' ') text += c;
  }
  ASSERT_FALSE(text.empty()) << "pdftotext (poppler-utils) could not read " << pdf;
  EXPECT_EQ(Count(text, "Phonebook S45 SIM 12/06/2026, 11:30 - 1\n"), 1u);
  EXPECT_EQ(Count(text, "Phonebook S45 SIM 12/06/2026, 11:30 - 2\n"), 1u);
  for (int i = 1; i <= entries; ++i) {
    EXPECT_NE(text.find(std::to_string(i) + " Name" + std::to_string(i) + ", +49301" +
                        std::to_string(i) + "\n"),
              std::string::npos)
        << i;
  }
}

}  // namespace
}  // namespace telvane::qt
