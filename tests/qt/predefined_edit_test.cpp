// The predefined texts window on the Qt backend: a text is edited in place in its cell, as
// a user does it, and the window keeps it cut to one message part.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include "config/app_context.h"
#include "link/irda_provider.h"
#include "qt/qt_dialog.h"
#include "qt/qt_ui.h"
#include "sms/windows/predefined_texts_window.h"
#include "support/temp_dir.h"
#include "ui/resources.h"

namespace telvane::qt {
namespace {

constexpr int kList = 1174;

TEST(PredefinedTextsEdit, TheFirstCellIsEditedInPlaceAndCutToOnePart) {
  testing::TempDir folder;
  config::AppContext context(config::ProfileFile(folder / "Telvane.ini", "Telvane"),
                             link::MakeSystemIrdaProvider(), {}, link::ExchangeTiming{});
  context.settings.ptxt[2] = "old text";
  const ui::Resources& resources = ui::Resources::Embedded();
  QtUi ui(resources, 9);
  const sms::StoredRowSink noList;
  sms::PredefinedTextsWindow window(context, ui, noList);
  QtDialog dialog(*resources.Dialog(143, 9), resources.Menu(144, 9), window, {&resources, 9});
  dialog.Open();
  auto& tree = *qobject_cast<QTreeWidget*>(dialog.ControlWidget(kList));
  ASSERT_EQ(tree.topLevelItemCount(), 50);
  EXPECT_EQ(dialog.Cell(kList, 2, 0), "old text");

  // F2 on the current row opens the editor on its first cell; Enter ends the edit.
  tree.setFocus();
  tree.setCurrentItem(tree.topLevelItem(2), 0);
  QTest::keyClick(&tree, Qt::Key_F2);
  auto* editor = tree.findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->text(), "old text");
  editor->setText(QString(170, QChar('x')));
  QTest::keyClick(editor, Qt::Key_Return);
  QCoreApplication::processEvents();  // the delegate commits the edit through the event loop
  EXPECT_EQ(dialog.Cell(kList, 2, 0), std::string(160, 'x'));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the closed editor

  // The number column has no editor, and Escape leaves the text as it was.
  tree.editItem(tree.topLevelItem(3), 1);
  EXPECT_EQ(tree.findChild<QLineEdit*>(), nullptr);
  tree.editItem(tree.topLevelItem(4), 0);
  editor = tree.findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->setText("not kept");
  QTest::keyClick(editor, Qt::Key_Escape);
  QCoreApplication::processEvents();
  EXPECT_EQ(dialog.Cell(kList, 4, 0), "");
  dialog.End(0);
}

}  // namespace
}  // namespace telvane::qt
