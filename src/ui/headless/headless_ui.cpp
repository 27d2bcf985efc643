#include "ui/headless/headless_ui.h"

#include <optional>

#include "ui/headless/script_session.h"
#include "ui/headless/text_print_job.h"
#include "ui/window_kit.h"

namespace telvane::ui::headless {

HeadlessUi::HeadlessUi(const Resources& resources, int languageId, ScriptSession& session)
    : resources_(resources), languageId_(languageId), session_(session) {}

HeadlessDialog* HeadlessUi::TopDialog() const {
  return modalStack_.empty() ? nullptr : modalStack_.back();
}

const DialogTemplate& HeadlessUi::TemplateOrStop(int templateId) const {
  const DialogTemplate* found = resources_.Dialog(templateId, languageId_);
  if (!found)
    session_.Stop("the program opened window " + std::to_string(templateId) +
                  ", which has no template");
  return *found;
}

int HeadlessUi::RunModal(int templateId, DialogHandler& handler, Dialog* opener) {
  if (modalStack_.size() >= kMaxModalDepth) session_.Stop("windows nested too deeply");
  HeadlessDialog dialog(TemplateOrStop(templateId), handler, resources_, languageId_);
  // Leaves the stack and the opener as they were, also when a ScriptStop unwinds: the
  // dialog leaves the stack before the opener is enabled again.
  struct Scope {
    HeadlessUi& ui;
    ~Scope() { ui.modalStack_.pop_back(); }
  };
  std::optional<WindowDisabled> openerDisabled;
  if (opener) openerDisabled.emplace(*opener);
  modalStack_.push_back(&dialog);
  const Scope scope{*this};
  handler.OnInit(dialog);
  session_.RunUntilEnded(*this, dialog);
  return dialog.Result();
}

std::unique_ptr<Dialog> HeadlessUi::OpenModeless(int templateId, DialogHandler& handler) {
  auto dialog =
      std::make_unique<HeadlessDialog>(TemplateOrStop(templateId), handler, resources_, languageId_,
                                       [count = std::weak_ptr<int>(modelessCount_)] {
                                         if (const auto alive = count.lock()) --*alive;
                                       });
  ++*modelessCount_;
  handler.OnInit(*dialog);
  return dialog;
}

int HeadlessUi::ShowMessage(const MessageRequest& message) {
  return session_.AnswerMessage(message);
}

std::optional<FileChoice> HeadlessUi::ChooseFile(const FileRequest& request) {
  return session_.AnswerFile(request);
}

std::unique_ptr<PrintJob> HeadlessUi::StartPrint() {
  const std::optional<PrintChoice> choice = session_.AnswerPrint();
  if (!choice) return nullptr;
  return std::make_unique<TextPrintJob>(choice->path, choice->copies);
}

void HeadlessUi::OpenWithShell(const std::string& target) { shellRequests_.push_back(target); }

bool HeadlessUi::OpenHelp(const std::string& helpFile) {
  helpRequests_.push_back(helpFile);
  return !session_.TakeHelpFailure();
}

}  // namespace telvane::ui::headless
