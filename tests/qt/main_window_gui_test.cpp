// The program on the Qt backend over the simulated phone: the main window shows the
// phone's identity, and a failed switch shows its message with the error caption.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include "app/program.h"
#include "qt/qt_ui.h"
#include "sim/pty_phone.h"
#include "support/temp_dir.h"
#include "ui/resources.h"

namespace telvane::testing {
namespace {

// Calls `step` every few milliseconds with the top modal window until it returns true.
class Stepper {
 public:
  explicit Stepper(std::function<bool(QWidget*)> step) : step_(std::move(step)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (QWidget* top = QApplication::activeModalWidget(); top && step_(top)) timer_.stop();
    });
    timer_.start(5);
  }

 private:
  std::function<bool(QWidget*)> step_;
  QTimer timer_;
};

QString LabelText(QWidget* window, int id) {
  const auto* label = window->findChild<QLabel*>(QStringLiteral("control%1").arg(id));
  return label ? label->text() : QString();
}

class MainWindowGuiTest : public ::testing::Test {
 protected:
  void Serve(sim::PhoneState state) {
    phone_ = sim::PtyPhone::Start(std::move(state), sim::ServeOptions{});
    std::filesystem::create_directories(config_ / "telvane");
    WriteFile(config_ / "telvane" / "Telvane.ini", "[Telvane]\nPort=0\nDevice0=" + phone_->DevicePath() + "\n");
  }

  TempDir config_;
  ScopedEnv xdg_{"XDG_CONFIG_HOME", config_.Path().string()};
  std::unique_ptr<sim::PtyPhone> phone_;
  qt::QtUi ui_{ui::Resources::Embedded(), 9};
};

TEST_F(MainWindowGuiTest, OpensOnTheSimulatedPhoneAndShowsMakerAndModel) {
  Serve(sim::DemoPhone());
  QString maker, model, caption;
  Stepper stepper([&](QWidget* top) {
    maker = LabelText(top, 1066);
    if (maker.isEmpty()) return false;
    model = LabelText(top, 1001);
    caption = top->windowTitle();
    top->close();  // the close box
    return true;
  });
  app::RunProgram(ui_, {});
  EXPECT_EQ(maker, "SIEMENS");
  EXPECT_EQ(model, "S45");
  EXPECT_TRUE(caption.contains("V1.000")) << caption.toStdString();
}

TEST_F(MainWindowGuiTest, FailedSwitchShowsItsMessageWithTheErrorCaption) {
  sim::PhoneState state = sim::DemoPhone();
  state.faults.push_back(sim::Fault{sim::FaultKind::Error, "AT+CVIB=1", 1});
  Serve(std::move(state));
  QString boxCaption, boxText;
  bool unticked = false;
  QWidget* mainWindow = nullptr;
  Stepper stepper([&](QWidget* top) {
    if (mainWindow == nullptr) {
      if (LabelText(top, 1066).isEmpty()) return false;
      mainWindow = top;
      // Clicked from its own event: the message box runs a nested loop, and a timer is
      // not called again while its slot is still running.
      QTimer::singleShot(0, [top] {
        QTest::mouseClick(top->findChild<QCheckBox*>("control1245"), Qt::LeftButton);
      });
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
      top->close();
      return true;
    }
    return false;
  });
  app::RunProgram(ui_, {});
  EXPECT_EQ(boxCaption, "Telvane Error");
  EXPECT_EQ(boxText, "Can't activate vibrator mode");
  EXPECT_TRUE(unticked);
}

}  // namespace
}  // namespace telvane::testing
