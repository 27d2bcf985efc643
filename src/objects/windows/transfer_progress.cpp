#include "objects/windows/transfer_progress.h"

#include <algorithm>
#include <cstdio>

namespace telvane::objects {

namespace {

std::string MinutesAndSeconds(unsigned seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%u:%02u", seconds / 60, seconds % 60);
  return text;
}

}  // namespace

std::optional<ProgressView> ProgressArithmetic::Update(unsigned percent, unsigned nowSeconds) {
  const auto shown = static_cast<std::uint16_t>(percent);
  if (shown == lastPercent_) return std::nullopt;
  ProgressView view;
  view.barAdvance = static_cast<int>(percent) - lastPercent_;
  char text[32];
  std::snprintf(text, sizeof text, "%u %%", percent);
  view.percentText = text;
  const unsigned elapsed = nowSeconds >= startSeconds_ ? nowSeconds - startSeconds_ : 0;
  view.elapsedText = MinutesAndSeconds(elapsed);
  const unsigned estimate =
      percent == 0
          ? 0
          : static_cast<unsigned>(static_cast<unsigned long long>(elapsed) * 100 / percent);
  view.estimateText = MinutesAndSeconds(estimate);
  lastPercent_ = shown;
  return view;
}

std::unique_ptr<TransferProgress> TransferProgress::Open(ui::Ui& ui) {
  std::unique_ptr<TransferProgress> progress(new TransferProgress(ui));
  progress->box_ = ui.OpenModeless(ui::ProgressBox::kTemplate, progress->handler_);
  if (!progress->box_) {
    ui::MessageRequest message;
    message.text = "Can't open progress dialog";
    message.caption = ui::Caption::TelvaneError;
    message.icon = ui::Icon::Stop;
    ui.ShowMessage(message);
    return nullptr;
  }
  progress->box_->SetRange(kBar, 0, 100);
  progress->box_->SetPos(kBar, 1);
  progress->arithmetic_.emplace(NowSeconds());
  return progress;
}

void TransferProgress::ShowProgress(unsigned percent) {
  const auto view = arithmetic_->Update(percent, NowSeconds());
  if (!view) return;
  box_->SetPos(kBar, std::clamp(box_->Pos(kBar) + view->barAdvance, 0, 100));
  box_->SetText(kPercent, view->percentText);
  box_->SetText(kElapsed, view->elapsedText);
  box_->SetText(kEstimate, view->estimateText);
}

unsigned TransferProgress::NowSeconds() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<unsigned>(std::chrono::duration_cast<std::chrono::seconds>(now).count());
}

}  // namespace telvane::objects
