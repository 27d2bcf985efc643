// telvane-screenshots SCRIPT FOLDER: runs the program on the Qt backend and plays a short
// script of UI script actions against its windows, saving the top window as a PNG file at
// each "shot". Lines: "click ID", "dblclick ID ROW", "rclick ID" (a list's pop-up menu),
// "menu ID" (a command of the menu bar or the pop-up menu), "close", "shot NAME";
// "#" starts a comment. Each line waits until the top window is enabled and has stayed the
// same for a moment. scripts/screenshots runs it under Xvfb.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/program.h"
#include "config/locale_info.h"
#include "qt/qt_link_waiter.h"
#include "qt/qt_ui.h"
#include "ui/resources.h"

namespace {

constexpr qint64 kSettleMs = 600;     // the top window unchanged this long before acting
constexpr qint64 kGiveUpMs = 120000;  // the whole run

struct Line {
  std::string verb;
  int id = 0;
  int row = 0;
  std::string name;
};

std::vector<Line> ReadScript(const char* path) {
  std::vector<Line> lines;
  std::ifstream in(path);
  std::string text;
  while (std::getline(in, text)) {
    std::istringstream words(text);
    Line line;
    if (!(words >> line.verb) || line.verb[0] == '#') continue;
    if (line.verb == "shot") {
      words >> line.name;
    } else {
      words >> line.id >> line.row;
    }
    lines.push_back(line);
  }
  return lines;
}

template <typename T>
T* Find(QWidget* top, const char* prefix, int id) {
  return top->findChild<T*>(QString::fromLatin1(prefix) + QString::number(id));
}

// Does `line` on `top`; false when the window lacks what it names.
bool Act(const Line& line, QWidget* top, const QString& folder) {
  if (line.verb == "shot") {
    const QString file = folder + "/" + QString::fromStdString(line.name) + ".png";
    const QPixmap picture = top->grab();
    std::printf("%s %dx%d\n", qPrintable(file), picture.width(), picture.height());
    return picture.save(file);
  }
  if (line.verb == "close") return top->close() || true;
  if (line.verb == "click") {
    auto* button = Find<QAbstractButton>(top, "control", line.id);
    if (button != nullptr) QTest::mouseClick(button, Qt::LeftButton);
    return button != nullptr;
  }
  if (line.verb == "menu") {
    auto* action = Find<QAction>(top, "command", line.id);
    if (action != nullptr) action->trigger();
    return action != nullptr;
  }
  if (line.verb == "rclick") {
    auto* view = Find<QAbstractItemView>(top, "control", line.id);
    if (view == nullptr) return false;
    const QPoint at(view->viewport()->width() / 2, view->viewport()->height() - 4);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
    QApplication::sendEvent(view->viewport(), &event);
    return true;
  }
  if (line.verb == "dblclick") {
    auto* view = Find<QAbstractItemView>(top, "control", line.id);
    if (view == nullptr || view->model()->rowCount() <= line.row) return false;
    const QPoint at = view->visualRect(view->model()->index(line.row, 0)).center();
    // A double click is a press and release, then the second press.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    return true;
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  if (argc != 3) {
    std::fprintf(stderr, "usage: telvane-screenshots SCRIPT FOLDER\n");
    return 2;
  }
  const std::vector<Line> lines = ReadScript(argv[1]);
  const QString folder = QString::fromLocal8Bit(argv[2]);
  std::size_t next = 0;
  int status = 0;
  QWidget* seen = nullptr;
  QElapsedTimer settled;
  QElapsedTimer clock;
  clock.start();
  settled.start();
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    QWidget* top = QApplication::activeModalWidget();
    if (clock.elapsed() > kGiveUpMs) {
      std::fprintf(stderr, "telvane-screenshots: gave up at line %zu\n", next + 1);
      status = 1;
      if (top != nullptr) top->close();
      return;
    }
    if (top != seen || top == nullptr || !top->isEnabled()) {
      seen = top;
      settled.restart();
      return;
    }
    if (next == lines.size() || settled.elapsed() < kSettleMs) return;
    const Line& line = lines[next++];
    // From an event of its own: the command may run nested loops of its own.
    QTimer::singleShot(0, top, [&, line, top] {
      if (!Act(line, top, folder)) {
        std::fprintf(stderr, "telvane-screenshots: line %zu failed: %s %d\n", next,
                     line.verb.c_str(), line.id);
        status = 1;
      }
    });
    settled.restart();
  });
  timer.start(20);
  telvane::qt::QtUi ui(telvane::ui::Resources::Embedded(),
                       telvane::config::LanguageIdFromEnvironment());
  const int result = telvane::app::RunProgram(ui, {}, telvane::qt::WaitInEventLoop);
  if (next < lines.size()) status = 1;
  return status != 0 ? status : result;
}
