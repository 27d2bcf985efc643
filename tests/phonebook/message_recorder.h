// A Ui without windows that records the string ids of the messages shown.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/resources.h"
#include "ui/ui.h"

namespace telvane::phonebook {

class MessageRecorder final : public ui::Ui {
 public:
  const ui::Resources& Res() const override { return resources_; }
  int LanguageId() const override { return 9; }
  int RunModal(int, ui::DialogHandler&, ui::Dialog*) override { return 0; }
  std::unique_ptr<ui::Dialog> OpenModeless(int, ui::DialogHandler&) override { return nullptr; }
  int ShowMessage(const ui::MessageRequest& message) override {
    shown.push_back(message.stringId);
    return 0;
  }
  std::optional<ui::FileChoice> ChooseFile(const ui::FileRequest&) override { return std::nullopt; }
  void PumpMessages() override {}
  void OpenWithShell(const std::string&) override {}
  bool OpenHelp(const std::string&) override { return false; }
  ui::Rect WorkArea() const override { return {}; }

  std::vector<int> shown;

 private:
  ui::Resources resources_;
};

}  // namespace telvane::phonebook
