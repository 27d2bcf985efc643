// The dialog layer on Qt 6 Widgets: modal and modeless dialogs from the templates,
// message boxes, file dialogs, the event pump and the shell.
#pragma once

#include <map>
#include <memory>
#include <utility>

#include "ui/ui.h"
#include "ui/window_sizes.h"

class QTranslator;

namespace telvane::qt {

class QtDialog;

class QtUi final : public ui::Ui {
 public:
  // Needs a QApplication for as long as it is used.
  // Qt's own dialogs speak the language while it lives.
  QtUi(const ui::Resources& resources, int languageId);
  ~QtUi() override;

  const ui::Resources& Res() const override { return resources_; }
  int LanguageId() const override { return languageId_; }

  int RunModal(int templateId, ui::DialogHandler& handler, ui::Dialog* opener) override;
  std::unique_ptr<ui::Dialog> OpenModeless(int templateId, ui::DialogHandler& handler) override;

  int ShowMessage(const ui::MessageRequest& message) override;
  std::optional<ui::FileChoice> ChooseFile(const ui::FileRequest& request) override;
  std::unique_ptr<ui::PrintJob> StartPrint() override;

  void PumpMessages() override;
  void OpenWithShell(const std::string& target) override;
  bool OpenHelp(const std::string& helpFile) override;
  ui::Rect WorkArea() const override;
  void SetWindowSizeStore(ui::WindowSizeStore* store) override { sizeStore_ = store; }

  // -1, as the window system answers, when the template is missing.
  static constexpr int kNoTemplate = -1;

 private:
  std::unique_ptr<QtDialog> MakeDialog(int templateId, ui::DialogHandler& handler) const;
  std::optional<ui::WindowSize> RememberedSize(int templateId) const;
  void RememberSize(int templateId, const QtDialog& dialog);

  const ui::Resources& resources_;
  int languageId_;
  std::unique_ptr<QTranslator> qtTranslations_;
  // The list windows' sizes as the user left them, by template, for their next opening:
  // in the store when there is one, else for this run only.
  ui::WindowSizeStore* sizeStore_ = nullptr;
  std::map<int, ui::WindowSize> listWindowSizes_;
};

}  // namespace telvane::qt
