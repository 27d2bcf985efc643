// The phone book window on the Qt backend over the simulated phone: opened from the main
// window, it lists the phone's address book and Redbook, and closes again.
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

class PhonebookGuiTest : public ProgramGuiTest {};

TEST_F(PhonebookGuiTest, OpensOverThePhoneListsItsBooksAndCloses) {
  Serve(sim::DemoPhone());
  QWidget* mainWindow = nullptr;
  ListSeen book, redbook;
  bool closedBack = false;
  Stepper stepper([&](QWidget* top) {
    if (mainWindow == nullptr) {
      if (!IsReadyMainWindow(top)) return false;
      mainWindow = top;
      ClickLater(top, 1025);
      return false;
    }
    if (top != mainWindow && book.rows < 0) {
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
