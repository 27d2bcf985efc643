// What sending asks of its caller and tells it: the progress box, the Retry/Cancel and
// store questions, and the stored messages for the SMS list.
#pragma once

#include <string>

namespace telvane::sms {

class SendFeedback {
 public:
  virtual ~SendFeedback() = default;
  virtual void ShowProgress(int part, int partCount) = 0;  // box 146, "%d / %d", part from 1
  virtual void CloseProgress() = 0;
  virtual bool AskRetry() = 0;        // string 34 with Retry (true) / Cancel (false)
  virtual bool AskStoreUnsent() = 0;  // string 75, Yes (true) / No
  // A message stored on the phone at +CMGW index `index`, for the SMS list.
  virtual void Stored(int index, const std::string& recipient, const std::string& text) = 0;
  virtual void StoreFailed() = 0;     // string 61
};

// Sending without a window (command mode): never asks, never shows anything.
class SilentSendFeedback : public SendFeedback {
 public:
  void ShowProgress(int, int) override {}
  void CloseProgress() override {}
  bool AskRetry() override { return false; }
  bool AskStoreUnsent() override { return false; }
  void Stored(int, const std::string&, const std::string&) override {}
  void StoreFailed() override {}
};

}  // namespace telvane::sms
