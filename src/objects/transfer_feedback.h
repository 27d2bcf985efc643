// What a block transfer tells the window that runs it: how far it has come, and a chance
// between blocks to keep the windows painted. The progress box implements it.
#pragma once

namespace telvane::objects {

class TransferFeedback {
 public:
  virtual ~TransferFeedback() = default;
  virtual void ShowProgress(unsigned percent) = 0;  // before each block, 0..100
  virtual void Pump() = 0;                          // between blocks
  // True once the user asked to stop; a read ends at the next block and keeps nothing.
  virtual bool CancelRequested() const { return false; }
};

// A transfer without a window: shows nothing, pumps nothing.
class SilentTransferFeedback : public TransferFeedback {
 public:
  void ShowProgress(unsigned) override {}
  void Pump() override {}
};

// Percent of the work done before block `done` of `total` (1-based), 100 × done / total,
// kept within 0..100. 0 when there is no total.
unsigned TransferPercent(long long done, long long total);

}  // namespace telvane::objects
