// The progress box of the logo and ring tone transfers (template 111): bar, percentage,
// elapsed time and the estimated total time.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "objects/transfer_feedback.h"
#include "ui/dialog.h"
#include "ui/ui.h"
#include "ui/window_kit.h"

namespace telvane::objects {

// What one progress update shows.
struct ProgressView {
  int barAdvance = 0;        // how far the bar moves
  std::string percentText;   // "%u %%"
  std::string elapsedText;   // "%u:%02u" minutes and seconds
  std::string estimateText;  // "%u:%02u" estimated total time
};

// The box's arithmetic, kept apart from the window.
class ProgressArithmetic {
 public:
  explicit ProgressArithmetic(unsigned startSeconds) : startSeconds_(startSeconds) {}
  // The update for `percent` at `nowSeconds`; none when the percentage, compared as a
  // 16-bit value, is the one last shown (0 at the start).
  std::optional<ProgressView> Update(unsigned percent, unsigned nowSeconds);

 private:
  unsigned startSeconds_;
  std::uint16_t lastPercent_ = 0;
};

// The modeless progress box for the run of one transfer; closed when destroyed. Pumping
// dispatches the window manager's messages.
class TransferProgress : public TransferFeedback {
 public:
  static constexpr int kBar = 1059, kPercent = 1060, kElapsed = 1061, kEstimate = 1062;

  // Opens the box; on failure shows "Can't open progress dialog" and returns null.
  static std::unique_ptr<TransferProgress> Open(ui::Ui& ui);

  void ShowProgress(unsigned percent) override;
  void Pump() override { ui_.PumpMessages(); }
  bool CancelRequested() const override { return handler_.CancelRequested(); }

 private:
  explicit TransferProgress(ui::Ui& ui) : ui_(ui) {}
  static unsigned NowSeconds();

  ui::Ui& ui_;
  ui::ProgressBox handler_;
  std::unique_ptr<ui::Dialog> box_;
  std::optional<ProgressArithmetic> arithmetic_;
};

}  // namespace telvane::objects
