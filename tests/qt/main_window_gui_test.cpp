// The program on the Qt backend over the simulated phone: the main window shows the
// phone's identity, a failed switch shows its message with the error caption, and the
// phone book window opened from it lists the phone's address book and Redbook and closes.
#include <QCheckBox>
#include <QMessageBox>
#include <QTreeWidget>

#include <algorithm>
#include <string>
#include <vector>

#include "program_gui.h"

namespace telvane::testing {
namespace {

struct ListSeen {
  int rows = -1;
  QStringList cells;
};

ListSeen SeeList(QWidget* window, int id) {
  ListSeen seen;
  const auto* list = window->findChild<QTreeWidget*>(QStringLiteral("control%1").arg(id));
  if (list == nullptr) return seen;
  seen.rows = list->topLevelItemCount();
  for (int row = 0; row < seen.rows; ++row) {
    const QTreeWidgetItem* item = list->topLevelItem(row);
    for (int column = 0; column < item->columnCount(); ++column) seen.cells << item->text(column);
  }
  return seen;
}

using MainWindowGuiTest = ProgramGuiTest;

TEST_F(MainWindowGuiTest, IdentityAFailedSwitchAndThePhonebookWindow) {
  sim::PhoneState state = sim::DemoPhone();
  state.faults.push_back(sim::Fault{sim::FaultKind::Error, "AT+CVIB=1", 1});
  Serve(std::move(state));
  QString maker, model, caption, boxCaption, boxText;
  bool unticked = false;
  bool closedBack = false;
  ListSeen book, redbook;
  QWidget* mainWindow = nullptr;
  Stepper stepper([&](QWidget* top) {
    if (mainWindow == nullptr) {
      maker = LabelText(top, 1066);
      if (maker.isEmpty()) return false;
      model = LabelText(top, 1001);
      caption = top->windowTitle();
      mainWindow = top;
      ClickLater(top, 1245);
      return false;
    }
    if (auto* box = qobject_cast<QMessageBox*>(top)) {
      boxCaption = box->windowTitle();
      boxText = box->text();
      box->accept();
      return false;
    }
    if (top == mainWindow && !boxCaption.isEmpty() && book.rows == -1 && top->isEnabled()) {
      unticked = !top->findChild<QCheckBox*>("control1245")->isChecked();
      ClickLater(top, 1025);
      book.rows = -2;  // the phone book window comes next
      return false;
    }
    if (top != mainWindow && book.rows == -2) {
      book = SeeList(top, 1026);
      redbook = SeeList(top, 1031);
      top->close();  // the close box
      return false;
    }
    if (top == mainWindow && book.rows >= 0 && top->isEnabled()) {
      closedBack = true;
      top->close();
      return true;
    }
    return false;
  });
  app::RunProgram(ui_, {});
  EXPECT_EQ(maker, "SIEMENS");
  EXPECT_EQ(model, "S45");
  EXPECT_TRUE(caption.contains("V1.000")) << caption.toStdString();
  EXPECT_EQ(boxCaption, "Telvane Error");
  EXPECT_EQ(boxText, "Can't activate vibrator mode");
  EXPECT_TRUE(unticked);
  // The demo phone's address book holds 33 cards; the window opens on it.
  EXPECT_EQ(book.rows, 33);
  EXPECT_TRUE(book.cells.contains("Miller;John")) << book.cells.join(" | ").toStdString();
  EXPECT_GT(redbook.rows, 0);
  EXPECT_TRUE(closedBack);
  // The window read the address book object by object, then the Redbook.
  const std::vector<std::string> lines = phone_->Transcript();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "> AT^SBNR=\"vcf\",0"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "> AT^SPBS=RD"), lines.end());
}

}  // namespace
}  // namespace telvane::testing
