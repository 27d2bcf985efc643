// The net monitor and the net information of the whole program on the Qt backend, over a
// simulated phone moving between two cells: the monitor's large fields change as its timer
// runs, and the operator lists fill their Qt list views.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QTreeWidget>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/program.h"
#include "qt/modal_stepper.h"
#include "qt/qt_link_waiter.h"
#include "qt/qt_ui.h"
#include "sim/pty_phone.h"
#include "support/temp_dir.h"
#include "ui/resources.h"

namespace telvane::testing {
namespace {

template <typename Widget>
Widget* Control(QWidget* window, int id) {
  return window->findChild<Widget*>(QStringLiteral("control%1").arg(id));
}

sim::PhoneState MovingPhone() {
  sim::PhoneState state = sim::DemoPhone();
  state.status.route.afterCpas = true;
  state.status.route.points = {{10, "26201", "Nordnetz", 1, "0D2F", "1A2B", 17, {}},
                               {10, "310260", "Far Away", 5, "FFFF", "0000", 31, {}}};
  state.operators.searchSeconds = 0;
  return state;
}

TEST(NetworkWindowsGui, MonitorFieldsFollowTheTimerAndTheOperatorListsFill) {
  const auto phone = sim::PtyPhone::Start(MovingPhone(), sim::ServeOptions{});
  TempDir config;
  const ScopedEnv xdg("XDG_CONFIG_HOME", config.Path().string());
  std::filesystem::create_directories(config / "telvane");
  WriteFile(config / "telvane" / "Telvane.ini",
            "[Telvane]\nPort=0\nMonRef=2\nDevice0=" + phone->DevicePath() + "\n");
  qt::QtUi ui(ui::Resources::Embedded(), 9);

  QStringList messages, first, second, lists;
  QWidget* mainWindow = nullptr;
  int valuePoints = 0;
  const std::vector<Step> steps = {
      PressOnReadyMainWindow(mainWindow, 1190),
      [&](QWidget* top) {
        if (top == mainWindow || LabelText(top, 1193).isEmpty()) return false;
        first = {LabelText(top, 1193), LabelText(top, 1178), LabelText(top, 1186)};
        valuePoints = Control<QWidget>(top, 1182)->font().pointSize();
        return true;
      },
      [&](QWidget* top) {  // the timer's refresh moves the phone on
        if (LabelText(top, 1193) != "310260") return false;
        second = {LabelText(top, 1178), LabelText(top, 1180), LabelText(top, 1186),
                  LabelText(top, 1185)};
        top->close();
        return true;
      },
      [&](QWidget* top) {
        if (top != mainWindow || !top->isEnabled()) return false;
        ClickLater(top, 1054);
        return true;
      },
      [&](QWidget* top) {
        auto* known = Control<QTreeWidget>(top, 1009);
        auto* found = Control<QTreeWidget>(top, 1177);
        if (known == nullptr || !top->isEnabled() || found->topLevelItemCount() == 0) return false;
        lists << QString::number(known->topLevelItemCount() > 800) << known->headerItem()->text(0)
              << known->headerItem()->text(1)
              << QString::number(Control<QTreeWidget>(top, 1010)->topLevelItemCount())
              << found->topLevelItem(0)->text(1) << found->headerItem()->text(2);
        top->close();
        return true;
      },
      CloseWhenEnabled(mainWindow),
  };
  EXPECT_EQ(RunThroughSteps(steps, messages, [&] { app::RunProgram(ui, {}, qt::WaitInEventLoop); }),
            steps.size());
  EXPECT_TRUE(messages.isEmpty()) << messages.join(" | ").toStdString();
  EXPECT_EQ(first.join(" | ").toStdString(), "26201 | 1A2B | Logged in");
  EXPECT_EQ(valuePoints, 18);
  EXPECT_EQ(second.join(" | ").toStdString(), "0000 | FFFF | Roaming | -51 dBm / 7.943 nW");
  EXPECT_EQ(lists.join(" | ").toStdString(), "1 | MCCMNC | Name | 10 | Nordnetz | Mode");
}

}  // namespace
}  // namespace telvane::testing
