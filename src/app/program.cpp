#include "app/program.h"

#include <iostream>

#include "app/main_window.h"
#include "app/options_dialog.h"
#include "app/startup.h"
#include "config/app_context.h"
#include "ui/ui.h"

namespace telvane::app {
namespace {

// Start-up's windows on a dialog backend.
class DialogStartupUi : public StartupUi {
 public:
  explicit DialogStartupUi(ui::Ui& ui) : ui_(ui) {}

  void ShowError(int stringId) override { ui::ShowError(ui_, stringId); }

  OptionsOutcome RunOptionsDialog(config::AppContext& context) override {
    OptionsDialog options(context, ui_);
    return ui_.RunModal(OptionsDialog::kTemplate, options, nullptr) == ui::kIdOk
               ? OptionsOutcome::Ok
               : OptionsOutcome::Cancel;
  }

  void RunMainWindow(config::AppContext& context) override {
    MainWindow window(context, ui_);
    ui_.RunModal(MainWindow::kTemplate, window, nullptr);
  }

  void Diagnostic(const std::string& text) override { std::cerr << "telvane: " << text << "\n"; }

 private:
  ui::Ui& ui_;
};

}  // namespace

int RunProgram(ui::Ui& ui, const std::vector<std::string>& arguments, link::LinkWaiter waiter) {
  DialogStartupUi startupUi(ui);
  StartupOptions options;
  options.arguments = arguments;
  options.waiter = std::move(waiter);
  return RunStartup(startupUi, std::move(options));
}

}  // namespace telvane::app
