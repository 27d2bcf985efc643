// The headless backend: dialogs held in memory and driven by a UI script; message boxes,
// file and print dialogs answered by the script; shell and help requests recorded.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/headless/headless_dialog.h"
#include "ui/ui.h"

namespace telvane::ui::headless {

class ScriptSession;

class HeadlessUi final : public Ui {
 public:
  static constexpr int kMaxModalDepth = 32;
  static constexpr Rect kWorkArea{0, 0, 1024, 768};

  HeadlessUi(const Resources& resources, int languageId, ScriptSession& session);

  // The innermost modal dialog running; null when none.
  HeadlessDialog* TopDialog() const;
  const std::vector<std::string>& ShellRequests() const { return shellRequests_; }
  const std::vector<std::string>& HelpRequests() const { return helpRequests_; }
  int ModelessCount() const { return *modelessCount_; }

  // Ui
  const Resources& Res() const override { return resources_; }
  int LanguageId() const override { return languageId_; }
  int RunModal(int templateId, DialogHandler& handler, Dialog* opener) override;
  std::unique_ptr<Dialog> OpenModeless(int templateId, DialogHandler& handler) override;
  int ShowMessage(const MessageRequest& message) override;
  std::optional<FileChoice> ChooseFile(const FileRequest& request) override;
  std::unique_ptr<PrintJob> StartPrint() override;
  void PumpMessages() override {}
  void OpenWithShell(const std::string& target) override;
  bool OpenHelp(const std::string& helpFile) override;
  Rect WorkArea() const override { return kWorkArea; }

 private:
  const DialogTemplate& TemplateOrStop(int templateId) const;

  const Resources& resources_;
  int languageId_;
  ScriptSession& session_;
  std::vector<HeadlessDialog*> modalStack_;
  // Shared with the modeless windows, which may outlive the backend.
  std::shared_ptr<int> modelessCount_ = std::make_shared<int>(0);
  std::vector<std::string> shellRequests_;
  std::vector<std::string> helpRequests_;
};

}  // namespace telvane::ui::headless
