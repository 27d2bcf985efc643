// QtUi: modal nesting, modeless boxes, message boxes, tooltips and pop-up menus from the
// resources, the pump, help and file filters.
#include "qt/qt_ui.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "qt/file_dialog.h"
#include "qt/qt_dialog.h"
#include "qt/templates.h"
#include "ui/resources.h"

namespace telvane::qt {
namespace {

using test::K;

constexpr int kEnglish = 9;
constexpr int kMain = 101;
constexpr int kChild = 105;
constexpr int kBox = 116;
constexpr int kPopupMenu = 130;

ui::Resources MakeResources() {
  ui::ResourceSet set;
  set.dialogs[kMain] = test::Dialog(kMain, "Main", 160, 80,
                                    {{K::PushButton, 1025, "Phonebook", 4, 4, 60, 14},
                                     {K::PushButton, 1008, "Switch off", 4, 24, 60, 14}});
  set.dialogs[kChild] =
      test::Dialog(kChild, "Child", 120, 60, {{K::PushButton, ui::kIdOk, "OK", 4, 4, 40, 14}});
  set.dialogs[kBox] =
      test::Dialog(kBox, "", 120, 40, {{K::Static, 1224, "Reading information", 4, 4, 100, 8}});
  set.menus[kPopupMenu] = {
      kPopupMenu, {{.text = "x", .children = {{"&Delete", 40010}, {"&Call", 40011, true}}}}};
  set.strings[1] = "Phonebook management";
  set.strings[98] = "Read error COM-port";
  ui::Resources resources;
  resources.Add(kEnglish, set);
  return resources;
}

class QtUiTest : public ::testing::Test {
 protected:
  ui::Resources resources = MakeResources();
  QtUi ui{resources, kEnglish};
};

// Presses `answer` on the message box once it is up; `seen` gets its caption, text and icon.
void AnswerNextMessageBox(QMessageBox::StandardButton answer, QString* seen = nullptr) {
  QTimer::singleShot(0, [answer, seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    if (seen)
      *seen = QString("%1: %2 (icon %3)").arg(box->windowTitle(), box->text()).arg(box->icon());
    box->button(answer)->click();
  });
}

// The opener is not drawn disabled, but the child, application modal, takes all input.
TEST_F(QtUiTest, NestedModalDialogBlocksItsOpenerWithoutDisablingIt) {
  int childResult = 0;
  test::Recorder child;
  test::Recorder main;
  ui::Dialog* mainDialog = nullptr;
  main.init = [&](ui::Dialog& dialog) {
    mainDialog = &dialog;
    QTimer::singleShot(0, [&dialog] {
      QTest::mouseClick(dynamic_cast<QtDialog&>(dialog).ControlWidget(1025), Qt::LeftButton);
    });
  };
  bool enabledDuringChild = false;
  bool childIsModal = false;
  child.init = [&](ui::Dialog& dialog) {
    QTimer::singleShot(0, [&] {
      enabledDuringChild = dynamic_cast<QtDialog&>(*mainDialog).Window().isEnabled();
      childIsModal = QApplication::activeModalWidget() == &dynamic_cast<QtDialog&>(dialog).Window();
      dialog.End(ui::kIdOk);
    });
  };
  main.command = [&](ui::Dialog& dialog, int id) {
    if (id != 1025) return;
    childResult = ui.RunModal(kChild, child, &dialog);
    dialog.End(7);
  };
  EXPECT_EQ(ui.RunModal(kMain, main, nullptr), 7);
  EXPECT_TRUE(enabledDuringChild);
  EXPECT_TRUE(childIsModal);
  EXPECT_EQ(childResult, ui::kIdOk);
}

TEST_F(QtUiTest, AMissingTemplateFailsWithoutAWindow) {
  test::Recorder handler;
  EXPECT_EQ(ui.RunModal(999, handler, nullptr), QtUi::kNoTemplate);
  EXPECT_EQ(ui.OpenModeless(999, handler), nullptr);
}

TEST_F(QtUiTest, ModelessBoxIsShownAtOnceAndClosedWithItsObject) {
  test::Recorder handler;
  auto box = ui.OpenModeless(kBox, handler);
  ASSERT_NE(box, nullptr);
  QPointer<QDialog> window = &dynamic_cast<QtDialog&>(*box).Window();
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(box->Text(1224), "Reading information");
  box.reset();
  EXPECT_TRUE(window.isNull());
}

TEST_F(QtUiTest, FailureMessagesCarryTheErrorCaptionAndAnswersMapToIds) {
  QString seen;
  AnswerNextMessageBox(QMessageBox::Ok, &seen);
  ui::ShowError(ui, 98);
  EXPECT_EQ(seen,
            QString("Telvane Error: Read error COM-port (icon %1)").arg(QMessageBox::Critical));

  ui::MessageRequest question;
  question.text =
      "Delete entry \xAB"
      "Anna\xBB?";
  question.buttons = ui::Buttons::YesNoCancel;
  question.icon = ui::Icon::Question;
  AnswerNextMessageBox(QMessageBox::No, &seen);
  EXPECT_EQ(ui.ShowMessage(question), ui::kIdNo);
  EXPECT_EQ(
      seen,
      QString::fromUtf8("Telvane: Delete entry «Anna»? (icon %1)").arg(QMessageBox::Question));

  question.buttons = ui::Buttons::RetryCancel;
  AnswerNextMessageBox(QMessageBox::Retry);
  EXPECT_EQ(ui.ShowMessage(question), ui::kIdRetry);

  // Closed without a button: Cancel where the box has one.
  QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
  EXPECT_EQ(ui.ShowMessage(question), ui::kIdCancel);
}

TEST_F(QtUiTest, TooltipsAndPopupMenusComeFromTheResources) {
  test::Recorder handler;
  auto dialog = ui.OpenModeless(kMain, handler);
  ASSERT_NE(dialog, nullptr);
  auto& window = dynamic_cast<QtDialog&>(*dialog);
  dialog->AddTooltip(1025, 1);
  EXPECT_EQ(window.ControlWidget(1025)->toolTip(), "Phonebook management");

  dialog->ShowPopupMenu(kPopupMenu);
  auto* popup = window.Window().findChild<QMenu*>(QStringLiteral("popup%1").arg(kPopupMenu));
  ASSERT_NE(popup, nullptr);
  ASSERT_EQ(popup->actions().size(), 2);
  EXPECT_FALSE(popup->actions().at(1)->isEnabled());
  popup->actions().at(0)->trigger();
  EXPECT_EQ(handler.commands, std::vector<int>{40010});
  popup->close();
}

TEST_F(QtUiTest, PumpRunsWaitingWorkAndReturns) {
  int ran = 0;
  QTimer::singleShot(0, [&ran] { ++ran; });
  ui.PumpMessages();
  EXPECT_EQ(ran, 1);
  ui.PumpMessages();  // nothing waiting: returns at once
  EXPECT_EQ(ran, 1);

  EXPECT_TRUE(ui.WorkArea().width > 0 && ui.WorkArea().height > 0);
  EXPECT_FALSE(ui.OpenHelp("no-such-help-file-here.html"));
}

TEST(FileDialogFilters, DescriptionsGetTheirPatternsOnce) {
  const QStringList filters =
      NameFilters({{"BMP file (*.bmp)", "*.bmp"}, {"Pictures", "*.bmp;*.gif"}, {"", ""}});
  EXPECT_EQ(filters, (QStringList{"BMP file (*.bmp)", "Pictures (*.bmp *.gif)", "* (*)"}));
}

}  // namespace
}  // namespace telvane::qt
