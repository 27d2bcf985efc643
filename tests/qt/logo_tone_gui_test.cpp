// The logo and ring tone commands of the main window on the Qt backend over the simulated
// phone: a file chosen in the open dialog, with its number beside the preview, reaches the
// phone; the phone's logo and tone are saved into the file chosen in the save dialog.
#include <QFileDialog>
#include <QMessageBox>
#include <QSpinBox>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "program_gui.h"
#include "qt/file_preview_panel.h"

namespace telvane::testing {
namespace {

// An 8 x 8 two-colour BMP: 94 bytes, two logo blocks.
std::string SmallBmp() {
  const auto le = [](std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
  };
  std::string bmp = "BM" + le(94, 4) + le(0, 4) + le(62, 4);
  bmp += le(40, 4) + le(8, 4) + le(8, 4) + le(1, 2) + le(1, 2) + le(0, 4) + le(32, 4) +
         le(2835, 4) + le(2835, 4) + le(2, 4) + le(2, 4);
  bmp += le(0, 4) + le(0x00FFFFFF, 4);
  for (int row = 0; row < 8; ++row) bmp += le(row % 2 == 0 ? 0xAAu : 0x55u, 4);
  return bmp;
}

// A one-note MIDI file.
std::string SmallMidi() {
  const std::string track("\x00\x90\x3C\x40\x60\x80\x3C\x40\x00\xFF\x2F\x00", 12);
  return std::string("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60", 14) + "MTrk" +
         std::string("\x00\x00\x00", 3) + static_cast<char>(track.size()) + track;
}

bool Received(const std::vector<std::string>& transcript, const std::string& command) {
  return std::find(transcript.begin(), transcript.end(), "> " + command) != transcript.end();
}

class LogoToneGuiTest : public ProgramGuiTest {
 protected:
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

  TempDir files_;
  QStringList messages_;
};

TEST_F(LogoToneGuiTest, SendsAndDownloadsTheLogoAndTheRingTone) {
  Serve(sim::DemoPhone());
  const auto logo = files_ / "small.bmp";
  const auto tone = files_ / "short.mid";
  const auto savedLogo = files_ / "saved-logo.bmp";
  const auto savedTone = files_ / "saved-tone.mid";
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
      messages_ << box->text();
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
  app::RunProgram(ui_, {});

  EXPECT_EQ(next, commands.size());
  EXPECT_TRUE(messages_.isEmpty()) << messages_.join(" | ").toStdString();
  const std::vector<std::string> transcript = phone_->Transcript();
  const sim::PhoneState phone = phone_->StateSnapshot();
  // Number 2 beside the preview is object 1: two logo blocks of 50 bytes, one tone block.
  EXPECT_TRUE(Received(transcript, "AT^SBNW=\"bmp\",1,1,2"));
  EXPECT_TRUE(Received(transcript, "AT^SBNW=\"bmp\",1,2,2"));
  EXPECT_TRUE(Received(transcript, "AT^SBNW=\"mid\",1,1,1"));
  ASSERT_TRUE(phone.objects.at("bmp").contains(1));
  EXPECT_EQ(phone.objects.at("bmp").at(1), SmallBmp());
  ASSERT_TRUE(phone.objects.at("mid").contains(1));
  EXPECT_EQ(phone.objects.at("mid").at(1), SmallMidi());
  // The downloads read object 0 of each.
  EXPECT_TRUE(Received(transcript, "AT^SBNR=bmp,0"));
  EXPECT_TRUE(Received(transcript, "AT^SBNR=mid,0"));
  ASSERT_TRUE(std::filesystem::exists(savedLogo));
  EXPECT_EQ(ReadFile(savedLogo), phone.objects.at("bmp").at(0));
  ASSERT_TRUE(std::filesystem::exists(savedTone));
  EXPECT_EQ(ReadFile(savedTone), phone.objects.at("mid").at(0));
}

}  // namespace
}  // namespace telvane::testing
