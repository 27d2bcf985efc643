// The SMS list of the whole program on the Qt backend, over the in-process demo phone: its
// rows in the Qt list view, View on a double-clicked row, sorting by a header click and the reply
// dialog's counters while the user types; the column widths are kept on closing.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <filesystem>
#include <functional>
#include <memory>
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

// The row whose first cell (the storage index) is `index`.
QTreeWidgetItem* RowOfIndex(QTreeWidget& list, const QString& index) {
  for (int row = 0; row < list.topLevelItemCount(); ++row) {
    if (list.topLevelItem(row)->text(0) == index) return list.topLevelItem(row);
  }
  return nullptr;
}

// Clicks or double-clicks the row as a user does, from an event of its own: a double click
// is a click, then the second press that the window system reports as a double click.
void ClickRowLater(QTreeWidget* list, QTreeWidgetItem* item, bool twice) {
  QTimer::singleShot(0, list, [list, item, twice] {
    list->scrollToItem(item);
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice) {
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
      QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    }
  });
}

// Types `text` key by key, as QTest::keyClicks does for ASCII; the keys of ISO 8859-1
// letters have their upper-case codes.
void Type(QWidget* widget, const QString& text) {
  for (const QChar letter : text) {
    const auto key = static_cast<Qt::Key>(letter.toUpper().unicode());
    QTest::sendKeyEvent(QTest::Click, widget, key, QString(letter), Qt::NoModifier);
  }
}

void ClickHeader(QTreeWidget& list, int column) {
  QHeaderView& header = *list.header();
  const QPoint at(header.sectionViewportPosition(column) + header.sectionSize(column) / 2,
                  header.height() / 2);
  QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, at);
}

// Compared as one text, so that a failure shows it readably.
std::string Joined(const QStringList& texts) { return texts.join(" | ").toStdString(); }

QStringList Counters(QWidget* reply) {
  return {LabelText(reply, 1134), LabelText(reply, 1135), LabelText(reply, 1136)};
}

TEST(SmsListGui, ShowsViewsAndSortsTheDemoMessagesAndCountsTheReplyAsTyped) {
  const auto phone = sim::PtyPhone::Start(sim::DemoPhone(), sim::ServeOptions{});
  TempDir config;
  const ScopedEnv xdg("XDG_CONFIG_HOME", config.Path().string());
  std::filesystem::create_directories(config / "telvane");
  WriteFile(config / "telvane" / "Telvane.ini",
            "[Telvane]\nPort=0\nDevice0=" + phone->DevicePath() + "\n");
  qt::QtUi ui(ui::Resources::Embedded(), 9);

  QStringList messages;
  QWidget* mainWindow = nullptr;
  QWidget* listWindow = nullptr;
  int rows = 0;
  bool indexRightAligned = false;
  QStringList counts, ucs2Row, nordnetzRow, view, bySender, reply;
  const std::vector<Step> steps = {
      PressOnReadyMainWindow(mainWindow, 1071),
      [&](QWidget* top) {
        auto* list = Control<QTreeWidget>(top, 1072);
        if (list == nullptr || !top->isEnabled()) return false;
        listWindow = top;
        rows = list->topLevelItemCount();
        indexRightAligned = rows > 0 && (list->topLevelItem(0)->textAlignment(0) & Qt::AlignRight);
        counts = QStringList{LabelText(top, 1146), LabelText(top, 1147)};
        if (QTreeWidgetItem* row = RowOfIndex(*list, "13")) nordnetzRow = {row->text(3)};
        if (QTreeWidgetItem* row = RowOfIndex(*list, "8")) {
          ucs2Row = {row->text(3), row->text(5)};
          ClickRowLater(list, row, true);
        }
        return true;
      },
      [&](QWidget* top) {
        auto* text = Control<QPlainTextEdit>(top, 1098);
        if (text == nullptr) return false;
        view = {text->toPlainText(), LabelText(top, 1099), LabelText(top, 1100),
                LabelText(top, 1102)};
        ClickLater(top, 1);
        return true;
      },
      [&](QWidget* top) {
        if (top != listWindow || !top->isEnabled()) return false;
        auto* list = Control<QTreeWidget>(top, 1072);
        ClickHeader(*list, 3);
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
          bySender << list->topLevelItem(row)->text(0);
        }
        if (QTreeWidgetItem* row = RowOfIndex(*list, "1")) ClickRowLater(list, row, false);
        ChooseMenuLater(top, "New/&Reply");
        return true;
      },
      [&](QWidget* top) {
        auto* text = Control<QPlainTextEdit>(top, 1077);
        if (text == nullptr) return false;
        reply << Control<QComboBox>(top, 1078)->currentText();
        Type(text, "Grüße Jan!");
        reply << Counters(top);
        Type(text, QString(151, QChar('x')));
        reply << Counters(top);
        ClickLater(top, 2);
        return true;
      },
      CloseWhenEnabled(listWindow),
      CloseWhenEnabled(mainWindow),
  };
  EXPECT_EQ(RunThroughSteps(steps, messages, [&] { app::RunProgram(ui, {}, qt::WaitInEventLoop); }),
            steps.size());
  EXPECT_TRUE(messages.isEmpty()) << messages.join(" | ").toStdString();
  EXPECT_EQ(rows, 15);
  EXPECT_TRUE(indexRightAligned);  // the storage index column
  EXPECT_EQ(Joined(counts), "15 | 25");
  // UCS2 letters outside ISO 8859-1 show as "?".
  EXPECT_EQ(Joined(ucs2Row),
            "+491629876543 | Grüße aus ?ód?! Das Essen kostet hier nur 20 z? ? unglaublich. Sören");
  EXPECT_EQ(Joined(nordnetzRow), "Nordnetz");
  EXPECT_EQ(Joined(view),
            "Grüße aus ?ód?! Das Essen kostet hier nur 20 z? ? unglaublich. Sören | "
            "+491629876543 | 26/11/29 20:47:19 | received read message");
  // By sender byte by byte; the same sender keeps the reading order.
  EXPECT_EQ(bySender.join(" "), "11 12 3 6 8 1 2 5 15 9 10 4 7 14 13");
  EXPECT_EQ(Joined(reply), "+491701234567 | 10 | 150 | 1 | 161 | 159 | 2");
  // Closing keeps the column widths as the Qt list had them: the untouched defaults.
  const std::string settings = ReadFile(config / "telvane" / "Telvane.ini");
  EXPECT_NE(settings.find("SCol0=25\n"), std::string::npos) << settings;
  EXPECT_NE(settings.find("SCol5=350\n"), std::string::npos) << settings;
}

}  // namespace
}  // namespace telvane::testing
