// An import feedback that records the string ids of the failures reported.
#pragma once

#include <vector>

#include "phonebook/import_storing.h"

namespace telvane::phonebook {

class RecordingFeedback final : public ImportFeedback {
 public:
  void ShowProgress(unsigned) override {}
  void Pump() override {}
  void ReportFailure(const Outcome& failure) override { shown.push_back(failure.messageId); }

  std::vector<int> shown;
};

}  // namespace telvane::phonebook
