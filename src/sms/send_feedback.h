// What sending tells the window that runs it and asks of it: the sending box, the
// Retry/Cancel and store questions, the stored messages for the SMS list and the failures.
#pragma once

#include <string>

#include "base/outcome.h"

namespace telvane::sms {

using base::FailedStep;
using base::Outcome;

inline constexpr int kStrStoreFailed = 61;  // the message of a part that could not be stored

class SendFeedback {
 public:
  virtual ~SendFeedback() = default;
  virtual void ShowProgress(int part, int partCount) = 0;  // box 146, "%d / %d", part from 1
  virtual void CloseProgress() = 0;
  virtual bool AskRetry() = 0;        // string 34 with Retry (true) / Cancel (false)
  virtual bool AskStoreUnsent() = 0;  // string 75, Yes (true) / No
  // A message stored on the phone at +CMGW index `index`, for the SMS list.
  virtual void ReportStored(int index, const std::string& recipient, const std::string& text) = 0;
  // A part that failed, with the message to show (kStrStoreFailed).
  virtual void ReportFailure(const Outcome& failure) = 0;
};

// Sending without a window (command mode): never asks, never shows anything.
class SilentSendFeedback : public SendFeedback {
 public:
  void ShowProgress(int, int) override {}
  void CloseProgress() override {}
  bool AskRetry() override { return false; }
  bool AskStoreUnsent() override { return false; }
  void ReportStored(int, const std::string&, const std::string&) override {}
  void ReportFailure(const Outcome&) override {}
};

}  // namespace telvane::sms
