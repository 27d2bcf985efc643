// The organizer window of the whole program on the Qt backend, over the in-process demo
// phone: its rows in the Qt list view, and an entry added with the calendar, the time
// picker, the category box and the description that reaches the phone.
#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
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

QString Row(QTreeWidget& list, int row) {
  QStringList cells;
  for (int column = 0; column < list.columnCount(); ++column) {
    cells << list.topLevelItem(row)->text(column);
  }
  return cells.join(" | ");
}

TEST(OrganizerWindowGui, ListsTheDemoEntriesAndAddsOneWithTheCalendarAndTimePicker) {
  const auto phone = sim::PtyPhone::Start(sim::DemoPhone(), sim::ServeOptions{});
  TempDir config;
  const ScopedEnv xdg("XDG_CONFIG_HOME", config.Path().string());
  std::filesystem::create_directories(config / "telvane");
  WriteFile(config / "telvane" / "Telvane.ini",
            "[Telvane]\nPort=0\nDevice0=" + phone->DevicePath() + "\n");
  qt::QtUi ui(ui::Resources::Embedded(), 9);

  QStringList messages, shown, added;
  QWidget* mainWindow = nullptr;
  QWidget* organizer = nullptr;
  int rows = 0;
  bool bold = false;
  const std::vector<Step> steps = {
      PressOnReadyMainWindow(mainWindow, 1041),
      [&](QWidget* top) {
        auto* list = Control<QTreeWidget>(top, 1047);
        if (list == nullptr || !top->isEnabled()) return false;
        organizer = top;
        rows = list->topLevelItemCount();
        for (const int row : {1, 4, 7, 8}) shown << Row(*list, row);
        auto* calendar = Control<QCalendarWidget>(top, 1049);
        calendar->setSelectedDate(QDate(2027, 3, 14));
        bold = calendar->dateTextFormat(QDate(2027, 3, 14)).fontWeight() == QFont::Bold;
        Control<QDateTimeEdit>(top, 1048)->setTime(QTime(7, 45));
        Control<QComboBox>(top, 1050)->setCurrentIndex(1);
        Control<QComboBox>(top, 1067)->setCurrentIndex(3);
        Control<QLineEdit>(top, 1051)->setText("Zahnarzt");
        ClickLater(top, 1052);
        return true;
      },
      [&](QWidget* top) {
        if (top != organizer || !top->isEnabled()) return false;
        auto* list = Control<QTreeWidget>(top, 1047);
        if (list->topLevelItem(8)->text(6).isEmpty()) return false;
        added << Row(*list, 8);
        top->close();
        return true;
      },
      CloseWhenEnabled(mainWindow),
  };
  EXPECT_EQ(RunThroughSteps(steps, messages, [&] { app::RunProgram(ui, {}, qt::WaitInEventLoop); }),
            steps.size());
  EXPECT_TRUE(messages.isEmpty()) << messages.join(" | ").toStdString();
  EXPECT_EQ(rows, 50);
  EXPECT_EQ(shown.join("\n").toStdString(),
            "2 | Yearly |  | 2026/12/14 | 00:00 | ANNIVERSARY | Geburtstag Anna\n"
            "5 | Daily | * | 2026/12/07 | 07:30 | MEETING | Stand-up täglich\n"
            // The description of the three-block object stands in its third block.
            "8 |  | * | 2026/12/11 | 14:00 | MEETING | Jahresplanung\n"
            "9 |  |  |  |  |  | ");
  EXPECT_TRUE(bold);
  EXPECT_EQ(added.join("").toStdString(),
            "9 | Monthly |  | 2027/03/14 | 07:45 | MEETING | Zahnarzt");
  const sim::PhoneState state = phone->StateSnapshot();
  const auto organizerSlots = state.objects.find("vcs");
  ASSERT_NE(organizerSlots, state.objects.end());
  const auto slot9 = organizerSlots->second.find(9);
  ASSERT_NE(slot9, organizerSlots->second.end());
  EXPECT_EQ(slot9->second,
            "BEGIN:VCALENDAR\r\nVERSION:1.0\r\nBEGIN:VEVENT\r\nCATEGORIES:MEETING\r\n"
            "RRULE:M1\r\nDTSTART:20270314T074500\r\nDESCRIPTION:Zahnarzt\r\nEND:VEVENT\r\n"
            "END:VCALENDAR\r\n");
}

}  // namespace
}  // namespace telvane::testing
