#include "app/program.h"

#include <chrono>
#include <iostream>

#include "app/main_window.h"
#include "app/options_dialog.h"
#include "app/startup.h"
#include "app/window_size_memory.h"
#include "config/app_context.h"
#include "ui/ui.h"
#include "ui/window_sizes.h"

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
    SettingsWindowSizes sizes(context.profile);
    ui_.SetWindowSizeStore(&sizes);
    MainWindow window(context, ui_);
    ui_.RunModal(MainWindow::kTemplate, window, nullptr);
    ui_.SetWindowSizeStore(nullptr);
  }

  void Diagnostic(const std::string& text) override { std::cerr << "telvane: " << text << "\n"; }

 private:
  ui::Ui& ui_;
};

}  // namespace

int RunProgram(ui::Ui& ui, const std::vector<std::string>& arguments, link::LinkWaiter waiter,
               Pace pace) {
  DialogStartupUi startupUi(ui);
  StartupOptions options;
  options.arguments = arguments;
  if (pace == Pace::kQuick) {
    using std::chrono_literals::operator""ms;
    options.portSettle = 0ms;
    options.waitAfterOpen = 0ms;
    options.timing.firstByteWait = 2000ms;
    options.timing.stallLimit = 1000ms;
    options.timing.answerLimit = 20000ms;
  }
  options.waiter = std::move(waiter);
  return RunStartup(startupUi, std::move(options));
}

}  // namespace telvane::app
