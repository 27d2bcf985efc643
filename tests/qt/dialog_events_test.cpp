// What a dialog reports to its handler: button commands, Escape and Enter, F1, the close
// box, timers, dropped files, edits; and how a dialog ends.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <memory>

#include "qt/qt_dialog.h"
#include "qt/templates.h"

namespace telvane::qt {
namespace {

using test::K;

ui::DialogTemplate ButtonsTemplate() {
  return test::Dialog(300, "Buttons", 160, 80,
                      {{K::Edit, 1100, "", 4, 4, 80, 12},
                       {K::Static, 1042, "www.example.org", 4, 20, 80, 8, {"SS_NOTIFY"}},
                       {K::Static, 1044, "plain", 4, 32, 80, 8},
                       {K::PushButton, 1016, "Test", 90, 4, 50, 14},
                       {K::PushButton, ui::kIdOk, "OK", 20, 60, 50, 14, {"BS_DEFPUSHBUTTON"}},
                       {K::PushButton, ui::kIdCancel, "Cancel", 90, 60, 50, 14}});
}

class DialogEvents : public ::testing::Test {
 protected:
  void SetUp() override { dialog.Open(); }
  void TearDown() override { dialog.End(0); }
  test::Recorder handler;
  QtDialog dialog{ButtonsTemplate(), nullptr, handler, {}};
};

TEST_F(DialogEvents, ClickedButtonsAndNotifyingLabelsSendTheirIds) {
  QTest::mouseClick(dialog.ControlWidget(1016), Qt::LeftButton);
  QTest::mouseClick(dialog.ControlWidget(1042), Qt::LeftButton);
  QTest::mouseClick(dialog.ControlWidget(1044), Qt::LeftButton);  // no SS_NOTIFY
  dialog.Enable(1016, false);
  QTest::mouseClick(dialog.ControlWidget(1016), Qt::LeftButton);
  EXPECT_EQ(handler.commands, (std::vector<int>{1016, 1042}));
}

TEST_F(DialogEvents, KeysOfTheDialog) {
  dialog.SetFocus(1100);
  QTest::keyClick(dialog.ControlWidget(1100), Qt::Key_Escape);
  QTest::keyClick(dialog.ControlWidget(1100), Qt::Key_Return);
  QTest::keyClick(dialog.ControlWidget(1100), Qt::Key_F1);
  EXPECT_EQ(handler.commands, (std::vector<int>{ui::kIdCancel, ui::kIdOk}));
  EXPECT_EQ(handler.helps, 1);

  // Enter on a focused button presses that button.
  handler.commands.clear();
  dialog.SetFocus(1016);
  QTest::keyClick(dialog.ControlWidget(1016), Qt::Key_Return);
  EXPECT_EQ(handler.commands, std::vector<int>{1016});

  // A disabled default button takes no Enter.
  handler.commands.clear();
  dialog.Enable(ui::kIdOk, false);
  dialog.SetFocus(1100);
  QTest::keyClick(dialog.ControlWidget(1100), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_TRUE(handler.commands.empty());
  // The window stayed: only End() closes a dialog.
  EXPECT_TRUE(dialog.Window().isVisible());
  EXPECT_FALSE(dialog.Ended());
}

TEST_F(DialogEvents, TheCloseBoxAsksTheHandlerAndTheWindowStaysUntilEnd) {
  dialog.Window().close();
  EXPECT_EQ(handler.closes, 1);
  EXPECT_TRUE(dialog.Window().isVisible());
  handler.close = [](ui::Dialog& d) { d.End(ui::kIdCancel); };
  dialog.Window().close();
  EXPECT_EQ(handler.closes, 2);
  EXPECT_TRUE(dialog.Ended());
  EXPECT_FALSE(dialog.Window().isVisible());
}

TEST_F(DialogEvents, EditsReportChangesAndTimersTick) {
  dialog.SetFocus(1100);
  QTest::keyClicks(dialog.ControlWidget(1100), "ab");
  ASSERT_EQ(handler.events.size(), 2u);
  EXPECT_EQ(handler.events[0].kind, ui::EventKind::Changed);
  EXPECT_EQ(handler.events[0].controlId, 1100);

  dialog.SetTimer(7, 1);
  ASSERT_TRUE(QTest::qWaitFor([&] { return handler.timers.size() >= 2; }));
  dialog.KillTimer(7);
  const std::size_t ticks = handler.timers.size();
  QCoreApplication::processEvents();
  EXPECT_EQ(handler.timers.size(), ticks);
  EXPECT_EQ(handler.timers.front(), 7);
}

TEST_F(DialogEvents, DroppedFilesArriveOnlyWhenAccepted) {
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile("/tmp/logo.bmp"), QUrl("https://example.org/x")});
  const auto drop = [&] {
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&dialog.Window(), &enter);
    QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&dialog.Window(), &event);
  };
  drop();
  EXPECT_TRUE(handler.drops.empty());
  dialog.AcceptFiles(true);
  drop();
  EXPECT_EQ(handler.drops, std::vector<std::vector<std::string>>{{"/tmp/logo.bmp"}});
}

TEST(DialogEnd, EndDuringInitReturnsWithoutShowing) {
  test::Recorder handler;
  handler.init = [](ui::Dialog& dialog) { dialog.End(3); };
  QtDialog dialog(ButtonsTemplate(), nullptr, handler, {});
  EXPECT_EQ(dialog.Exec(), 3);
  EXPECT_FALSE(dialog.Window().isVisible());
}

TEST(DialogEnd, AModelessBoxMayBeDestroyedByItsOwnHandler) {
  std::unique_ptr<QtDialog> box;
  test::Recorder handler;
  handler.command = [&box](ui::Dialog&, int) { box.reset(); };
  box = std::make_unique<QtDialog>(ButtonsTemplate(), nullptr, handler, DialogContext{});
  box->Open();
  QPointer<QWidget> button = box->ControlWidget(ui::kIdCancel);
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(box, nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(button.isNull());
}

}  // namespace
}  // namespace telvane::qt
