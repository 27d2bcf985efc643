// The whole program on the Qt backend over an in-process simulated phone (its settings in a
// temporary configuration folder), driven by a stepper that looks at the top modal window:
// a logo and a ring tone chosen in the open dialog, with the number beside the preview,
// reach the phone, and the phone's are saved into the file chosen in the save dialog;
// command mode, started by "-c", polls the phone on its own timer and answers through the
// sample module until its close box brings up the main window.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QMessageBox>
#include <QSpinBox>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "qt/file_preview_panel.h"
#include "qt/modal_stepper.h"
#include "qt/qt_link_waiter.h"
#include "qt/qt_ui.h"
#include "sim/pty_phone.h"
#include "support/temp_dir.h"
#include "ui/resources.h"

namespace telvane::testing {
namespace {

// Answers the file dialog on top: the number beside the preview (0: none), the file.
// False when `top` is not a file dialog.
bool AnswerFileDialog(QWidget* top, const std::filesystem::path& file, int number) {
  auto* dialog = qobject_cast<QFileDialog*>(top);
  if (dialog == nullptr) return false;
  if (number != 0) {
    auto* panel = dialog->findChild<qt::FilePreviewPanel*>("preview");
    if (panel == nullptr) {
      ADD_FAILURE() << "the open dialog has no preview for " << file;
    } else {
      panel->NumberBox()->setValue(number);
    }
  }
  dialog->selectFile(QString::fromStdString(file.string()));
  static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, through the public base
  return true;
}

class ProgramGuiTest : public ::testing::Test {
 protected:
  // Serves the demo phone and points the settings at it.
  void Serve(const std::string& settings = "") {
    phone_ = sim::PtyPhone::Start(sim::DemoPhone(), sim::ServeOptions{});
    std::filesystem::create_directories(config_ / "telvane");
    WriteFile(config_ / "telvane" / "Telvane.ini",
              "[Telvane]\nPort=0\nDevice0=" + phone_->DevicePath() + "\n" + settings);
  }

  TempDir config_;
  ScopedEnv xdg_{"XDG_CONFIG_HOME", config_.Path().string()};
  std::unique_ptr<sim::PtyPhone> phone_;
  qt::QtUi ui_{ui::Resources::Embedded(), 9};
};

// An 8 x 8 two-colour BMP: 94 bytes, two logo blocks.
std::string SmallBmp() {
  std::string bmp(
      "BM\x5E\0\0\0\0\0\0\0\x3E\0\0\0(\0\0\0\x08\0\0\0\x08\0\0\0\x01\0\x01\0\0\0\0\0 \0\0\0"
      "\x13\x0B\0\0\x13\x0B\0\0\x02\0\0\0\x02\0\0\0\0\0\0\0\xFF\xFF\xFF\0",
      62);
  for (int i = 0; i < 4; ++i) bmp += std::string("\xAA\0\0\0\x55\0\0\0", 8);
  return bmp;
}

// A one-note MIDI file.
std::string SmallMidi() {
  const std::string track("\x00\x90\x3C\x40\x60\x80\x3C\x40\x00\xFF\x2F\x00", 12);
  return std::string("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60", 14) + "MTrk" +
         std::string("\x00\x00\x00", 3) + static_cast<char>(track.size()) + track;
}

TEST_F(ProgramGuiTest, SendsAndDownloadsTheLogoAndTheRingTone) {
  Serve();
  TempDir files;
  QStringList messages;
  const auto logo = files / "small.bmp";
  const auto tone = files / "short.mid";
  const auto savedLogo = files / "saved-logo.bmp";
  const auto savedTone = files / "saved-tone.mid";
  WriteFile(logo, SmallBmp());
  WriteFile(tone, SmallMidi());

  // What the main window does next, each once the one before has ended.
  const std::vector<std::function<void(QWidget*)>> commands = {
      [](QWidget* main) { ClickLater(main, 1036); },
      [](QWidget* main) { ClickLater(main, 1037); },
      [](QWidget* main) { ChooseMenuLater(main, "&Download logo"); },
      [](QWidget* main) { ChooseMenuLater(main, "Download &ringtone"); },
  };
  const std::vector<std::pair<std::filesystem::path, int>> answers = {
      {logo, 2}, {tone, 2}, {savedLogo, 0}, {savedTone, 0}};
  QWidget* mainWindow = nullptr;
  std::size_t next = 0;
  bool waiting = false;  // a command was given and its file dialog not answered yet
  Stepper stepper([&](QWidget* top) {
    if (auto* box = qobject_cast<QMessageBox*>(top)) {
      messages << box->text();
      box->accept();
      return false;
    }
    if (mainWindow == nullptr && !IsReadyMainWindow(top)) return false;
    if (mainWindow == nullptr) mainWindow = top;
    if (waiting) {
      if (AnswerFileDialog(top, answers[next].first, answers[next].second)) {
        waiting = false;
        ++next;
      }
      return false;
    }
    if (top != mainWindow || !top->isEnabled()) return false;
    if (next == commands.size()) {
      top->close();
      return true;
    }
    commands[next](top);
    waiting = true;
    return false;
  });
  app::RunProgram(ui_, {}, qt::WaitInEventLoop);

  EXPECT_EQ(next, commands.size());
  EXPECT_TRUE(messages.isEmpty()) << messages.join(" | ").toStdString();
  const sim::PhoneState phone = phone_->StateSnapshot();
  // Number 2 beside the preview is object 1; the downloads read object 0 of each.
  ASSERT_TRUE(phone.objects.at("bmp").contains(1));
  EXPECT_EQ(phone.objects.at("bmp").at(1), SmallBmp());
  ASSERT_TRUE(phone.objects.at("mid").contains(1));
  EXPECT_EQ(phone.objects.at("mid").at(1), SmallMidi());
  ASSERT_TRUE(std::filesystem::exists(savedLogo));
  EXPECT_EQ(ReadFile(savedLogo), phone.objects.at("bmp").at(0));
  ASSERT_TRUE(std::filesystem::exists(savedTone));
  EXPECT_EQ(ReadFile(savedTone), phone.objects.at("mid").at(0));
}

TEST_F(ProgramGuiTest, CommandModePollsOnItsTimerAndAnswersThroughTheSampleModule) {
  Serve("WaitSec=2\nCheckSMS=1\n");
  QWidget* commandWindow = nullptr;
  QString activity;
  bool mainWindowAfter = false;
  Stepper stepper([&](QWidget* top) {
    if (commandWindow == nullptr) {
      if (LabelText(top, 1248).isEmpty()) return false;
      commandWindow = top;
      activity = LabelText(top, 1248);
      return false;
    }
    if (top == commandWindow) {
      // Polled once the phone has been asked for its messages and a reply went out.
      const std::vector<std::string> lines = phone_->Transcript();
      if (std::find(lines.begin(), lines.end(), "> AT+CMGL=4") != lines.end() &&
          std::any_of(lines.begin(), lines.end(),
                      [](const std::string& line) { return line.starts_with("> AT+CMGS="); })) {
        top->close();
      }
      return false;
    }
    if (IsReadyMainWindow(top)) {
      mainWindowAfter = true;
      top->close();
      return true;
    }
    return false;
  });
  app::RunProgram(ui_, {"-c"}, qt::WaitInEventLoop);
  EXPECT_EQ(activity, "Waiting");
  EXPECT_TRUE(mainWindowAfter);
}

}  // namespace
}  // namespace telvane::testing
