// The telvane GUI: the program on the Qt backend of the dialog layer.
#include <QApplication>
#include <string>
#include <vector>

#include "app/program.h"
#include "config/locale_info.h"
#include "qt/qt_link_waiter.h"
#include "qt/qt_ui.h"
#include "ui/resources.h"

int main(int argc, char* argv[]) {
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
