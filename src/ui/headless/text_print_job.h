// The headless backend's printer: every page goes as text into a file, a line per text
// placed on it, on an A4 sheet at 150 dots per inch.
#pragma once

#include <fstream>
#include <string>

#include "ui/ui.h"

namespace telvane::ui::headless {

// Metrics of the sheet: 11.69 inches at 150 dots, a printable area 25 dots in.
inline constexpr PageMetrics kTextPageMetrics{150, 1754, 25, 25};

// File lines: "document NAME", "page", "TEXT" (black) or "red TEXT" ... behind a tab,
// "end page", "end document", "aborted".
class TextPrintJob final : public PrintJob {
 public:
  TextPrintJob(const std::string& path, int copies);

  int Copies() const override { return copies_; }
  PageMetrics Metrics() const override { return kTextPageMetrics; }
  // Character height 14 points at 150 dots per inch (29) and no external leading.
  int SelectFont(int points) override {
    return (points * kTextPageMetrics.pixelsPerInchY + 36) / 72;
  }
  void StartDocument(std::string_view name) override;
  void StartPage() override { out_ << "page\n"; }
  void Text(int x, int y, std::string_view text, bool red) override;
  void EndPage() override { out_ << "end page\n"; }
  void EndDocument() override { out_ << "end document\n"; }
  void AbortDocument() override { out_ << "aborted\n"; }

 private:
  std::ofstream out_;
  int copies_;
};

}  // namespace telvane::ui::headless
