// The program on the Qt backend over the simulated phone: the main window shows the
// phone's identity, and a failed switch shows its message with the error caption.
#include <QCheckBox>
#include <QMessageBox>

#include "program_gui.h"

namespace telvane::testing {
namespace {

using MainWindowGuiTest = ProgramGuiTest;

TEST_F(MainWindowGuiTest, ShowsMakerAndModelAndAFailedSwitchWithTheErrorCaption) {
  sim::PhoneState state = sim::DemoPhone();
  state.faults.push_back(sim::Fault{sim::FaultKind::Error, "AT+CVIB=1", 1});
  Serve(std::move(state));
  QString maker, model, caption, boxCaption, boxText;
  bool unticked = false;
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
    if (top == mainWindow && !boxCaption.isEmpty()) {
      unticked = !top->findChild<QCheckBox*>("control1245")->isChecked();
      top->close();  // the close box
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
}

}  // namespace
}  // namespace telvane::testing
