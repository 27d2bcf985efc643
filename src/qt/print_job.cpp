#include "qt/print_job.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPrintDialog>

#include "qt/text.h"

namespace telvane::qt {
namespace {

constexpr int kResolution = 150;

}  // namespace

std::unique_ptr<QtPrintJob> QtPrintJob::Choose(QWidget* parent) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setPageOrientation(QPageLayout::Portrait);
  QPrintDialog dialog(printer.get(), parent);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return std::make_unique<QtPrintJob>(std::move(printer));
}

QtPrintJob::QtPrintJob(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {
  // Copies are printed by the program, each as a document of its own.
  copies_ = std::max(1, printer_->copyCount());
  printer_->setCopyCount(1);
  printer_->setResolution(kResolution);
  printer_->setFullPage(true);  // positions count from the sheet's corner
}

QtPrintJob::~QtPrintJob() {
  if (painter_.isActive()) painter_.end();
}

ui::PageMetrics QtPrintJob::Metrics() const {
  const QPageLayout layout = printer_->pageLayout();
  const QRect sheet = layout.fullRectPixels(kResolution);
  const QRect printable = layout.paintRectPixels(kResolution);
  return {kResolution, sheet.height(), printable.x() - sheet.x(), printable.y() - sheet.y()};
}

int QtPrintJob::SelectFont(int points) {
  font_ = QFont(QStringLiteral("Arial"));
  font_.setStyleHint(QFont::SansSerif);
  font_.setPointSize(points);
  const QFontMetrics metrics(font_, printer_.get());
  return metrics.height() + metrics.leading();
}

void QtPrintJob::StartDocument(std::string_view name) {
  if (aborted_) return;
  if (!painter_.isActive()) {
    printer_->setDocName(ToQt(name));
    painter_.begin(printer_.get());
    pageOpen_ = false;
  }
}

void QtPrintJob::StartPage() {
  if (aborted_ || !painter_.isActive()) return;
  // The painter opens on the first page; every later page, also of a further copy, is new.
  if (pageOpen_) printer_->newPage();
  pageOpen_ = true;
  painter_.setFont(font_);
}

void QtPrintJob::Text(int x, int y, std::string_view text, bool red) {
  if (aborted_ || !painter_.isActive()) return;
  painter_.setPen(red ? QColor(255, 0, 0) : QColor(0, 0, 0));
  const QFontMetrics metrics(font_, printer_.get());
  painter_.drawText(x, y + metrics.ascent(), ToQt(text));
}

void QtPrintJob::AbortDocument() {
  aborted_ = true;
  if (painter_.isActive()) printer_->abort();
}

}  // namespace telvane::qt
