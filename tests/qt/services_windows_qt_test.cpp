// The call forwarding, locks and profile windows of the whole program on the Qt backend,
// over a simulated phone: each shows the phone's values, a reason chosen in the combo box
// is queried, and the password edit hides what is typed.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
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

bool Checked(QWidget* window, int id) {
  auto* button = Control<QAbstractButton>(window, id);
  return button != nullptr && button->isChecked();
}

QString EditText(QWidget* window, int id) {
  auto* edit = Control<QLineEdit>(window, id);
  return edit ? edit->text() : QString("<none>");
}

// Chooses combo item `index` as a user does, from an event of its own.
void ChooseLater(QComboBox* combo, int index) {
  QTimer::singleShot(0, combo, [combo, index] {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  });
}

sim::PhoneState ServicesPhone() {
  sim::PhoneState state = sim::DemoPhone();
  state.forwarding.push_back({2, 1, "+491701234567", 145, 20, true});
  state.locks.on = {"CS"};
  state.profile.alertMode = 1;
  state.profile.speakerVolume = 2;
  state.audio.volume = 3;
  return state;
}

TEST(ServicesWindowsGui, EachWindowShowsThePhonesValues) {
  const auto phone = sim::PtyPhone::Start(ServicesPhone(), sim::ServeOptions{});
  TempDir config;
  const ScopedEnv xdg("XDG_CONFIG_HOME", config.Path().string());
  std::filesystem::create_directories(config / "telvane");
  WriteFile(config / "telvane" / "Telvane.ini",
            "[Telvane]\nPort=0\nDevice0=" + phone->DevicePath() + "\n");
  qt::QtUi ui(ui::Resources::Embedded(), 9);

  QWidget* mainWindow = nullptr;
  QWidget* forwarding = nullptr;
  QStringList reasons, voice, locks, profile, messages;
  const auto backToMain = [&](QWidget* top, int next) {
    if (top != mainWindow || !top->isEnabled()) return false;
    ClickLater(top, next);
    return true;
  };
  const std::vector<Step> steps = {
      PressOnReadyMainWindow(mainWindow, 1111),
      [&](QWidget* top) {
        auto* combo = Control<QComboBox>(top, 1114);
        if (combo == nullptr || !top->isEnabled()) return false;
        forwarding = top;
        for (int i = 0; i < combo->count(); ++i) reasons << combo->itemText(i);
        voice << (Checked(top, 1115) ? "on" : "off");
        ChooseLater(combo, 2);
        return true;
      },
      [&](QWidget* top) {
        if (top != forwarding || !Checked(top, 1115)) return false;
        voice << EditText(top, 1126) << EditText(top, 1119);
        voice << (Control<QWidget>(top, 1121)->isEnabled() ? "delay on" : "delay off");
        top->close();
        return true;
      },
      [&](QWidget* top) { return backToMain(top, 1153); },
      [&](QWidget* top) {
        auto* password = Control<QLineEdit>(top, 1157);
        if (password == nullptr || !top->isEnabled()) return false;
        locks << Control<QComboBox>(top, 1148)->currentText() << (Checked(top, 1154) ? "on" : "off")
              << (password->echoMode() == QLineEdit::Password ? "hidden" : "shown");
        top->close();
        return true;
      },
      [&](QWidget* top) { return backToMain(top, 1257); },
      [&](QWidget* top) {
        if (Control<QRadioButton>(top, 1249) == nullptr || !top->isEnabled()) return false;
        profile << (Checked(top, 1249) ? "silent" : "not silent") << EditText(top, 1251)
                << EditText(top, 1253) << (Checked(top, 1233) ? "mute" : "no mute");
        ClickLater(top, 1);
        return true;
      },
      CloseWhenEnabled(mainWindow),
  };
  EXPECT_EQ(RunThroughSteps(steps, messages, [&] { app::RunProgram(ui, {}, qt::WaitInEventLoop); }),
            steps.size());
  EXPECT_TRUE(messages.isEmpty()) << messages.join(" | ").toStdString();
  EXPECT_EQ(reasons.join(" | ").toStdString(),
            "Always | If busy | If no answer | If not available");
  EXPECT_EQ(voice.join(" | ").toStdString(), "off | +491701234567 | 20 | delay on");
  EXPECT_EQ(locks.join(" | ").toStdString(), "Keyboard lock | on | hidden");
  EXPECT_EQ(profile.join(" | ").toStdString(), "silent | 3 | 2 | no mute");
}

}  // namespace
}  // namespace telvane::testing
