// Printing through QPrinter: the print dialog chooses the printer (or a PDF file), and
// the pages are drawn with QPainter in the printer's device units at 150 dots per inch.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <memory>

#include "ui/ui.h"

class QWidget;

namespace telvane::qt {

class QtPrintJob final : public ui::PrintJob {
 public:
  // Shows the print dialog; null when the user cancels.
  static std::unique_ptr<QtPrintJob> Choose(QWidget* parent);
  // A job on a printer already set up (tests print to a PDF file this way).
  explicit QtPrintJob(std::unique_ptr<QPrinter> printer);
  ~QtPrintJob() override;

  int Copies() const override { return copies_; }
  ui::PageMetrics Metrics() const override;
  int SelectFont(int points) override;
  void StartDocument(std::string_view name) override;
  void StartPage() override;
  void Text(int x, int y, std::string_view text, bool red) override;
  void EndPage() override {}
  void EndDocument() override {}
  void AbortDocument() override;

 private:
  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  QFont font_;
  int copies_ = 1;
  bool pageOpen_ = false;  // a page has been started on the painter
  bool aborted_ = false;
};

}  // namespace telvane::qt
