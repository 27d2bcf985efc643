// The telvane GUI: the program on the Qt backend of the dialog layer.
#include <QApplication>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "app/program.h"
#include "config/locale_info.h"
#include "qt/qt_link_waiter.h"
#include "qt/qt_ui.h"
#include "ui/resources.h"

namespace {

constexpr std::string_view kUsage =
    "Usage: telvane [-r] [-c]\n"
    "Manages the books, messages, calendar, logo and ring tones of a GSM phone\n"
    "connected by a serial data cable.\n"
    "\n"
    "  -r         ask for the serial port again before connecting\n"
    "  -c         start command mode once the main window is up\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Settings: $XDG_CONFIG_HOME/telvane/Telvane.ini (default ~/.config/telvane).\n"
    "The device path \"sim:\" serves a built-in demo phone.\n";

// Answers --help and --version before Qt needs a display; true when one was answered.
bool AnsweredInformation(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument(argv[i]);
    if (argument == "--help" || argument == "-h") {
      std::fwrite(kUsage.data(), 1, kUsage.size(), stdout);
      return true;
    }
    if (argument == "--version") {
      std::printf("telvane %s\n", TELVANE_VERSION);
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (AnsweredInformation(argc, argv)) return 0;
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Telvane"));
  // The main window's end is the program's end, not the last window closing.
  QApplication::setQuitOnLastWindowClosed(false);

  // The switches are matched as the program's own text, byte for byte.
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);

  telvane::qt::QtUi ui(telvane::ui::Resources::Embedded(),
                       telvane::config::LanguageIdFromEnvironment());
  return telvane::app::RunProgram(ui, arguments, telvane::qt::WaitInEventLoop);
}
