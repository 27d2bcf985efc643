#include "app/startup.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <thread>

#include "app/app_messages.h"
#include "config/app_context.h"
#include "sim/pty_phone.h"
#include "support/fake_irda.h"
#include "support/temp_dir.h"

namespace telvane::testing {
namespace {

using namespace std::chrono_literals;
using app::OptionsOutcome;

// Records what start-up asks of the windows; the Options dialog answers from a queue.
class RecordingUi : public app::StartupUi {
 public:
  std::vector<int> errors;
  std::vector<OptionsOutcome> optionsAnswers;  // Ok picks port 0
  int optionsShown = 0;
  int mainWindowRuns = 0;
  std::function<void(config::AppContext&)> insideMainWindow;

  void ShowError(int stringId) override { errors.push_back(stringId); }
  OptionsOutcome RunOptionsDialog(config::AppContext& context) override {
    ++optionsShown;
    if (optionsAnswers.empty()) return OptionsOutcome::Quit;
    const OptionsOutcome answer = optionsAnswers.front();
    optionsAnswers.erase(optionsAnswers.begin());
    if (answer == OptionsOutcome::Ok) context.settings.port = 0;
    return answer;
  }
  void RunMainWindow(config::AppContext& context) override {
    ++mainWindowRuns;
    if (insideMainWindow) insideMainWindow(context);
  }
};

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override { phone_ = sim::PtyPhone::Start(sim::DemoPhone(), sim::ServeOptions{}); }

  void WriteSettings(const std::string& lines) {
    WriteFile(folder_ / "Telvane.ini", "[Telvane]\nDevice0=" + phone_->DevicePath() + "\n" + lines);
  }

  int Start(std::vector<std::string> arguments = {},
            std::unique_ptr<link::IrdaProvider> irda = nullptr) {
    app::StartupOptions options;
    options.arguments = std::move(arguments);
    options.profile = config::ProfileFile(folder_ / "Telvane.ini", "Telvane");
    options.irda = std::move(irda);
    options.timing.firstByteWait = 1500ms;
    options.timing.stallLimit = 1000ms;
    options.portSettle = 0ms;
    options.waitAfterOpen = 0ms;
    return app::RunStartup(ui_, std::move(options));
  }

  std::vector<std::string> Received() const {
    std::vector<std::string> commands;
    for (const std::string& line : phone_->Transcript()) {
      if (line.starts_with("> ")) commands.push_back(line.substr(2));
    }
    return commands;
  }

  TempDir folder_;
  RecordingUi ui_;
  std::unique_ptr<sim::PtyPhone> phone_;
};

TEST_F(StartupTest, ResetsThePhoneAndRunsTheMainWindowOverAWorkingExchange) {
  WriteSettings("Port=0\nTCol1=120\nPtxt3=See you\n");
  std::string maker;
  ui_.insideMainWindow = [&](config::AppContext& context) {
    EXPECT_EQ(context.settings.tCol[1], 120);
    EXPECT_EQ(context.settings.ptxt[3], "See you");
    ASSERT_TRUE(context.exchange.SendCommand("AT+CGMI"));
    maker = std::string(context.exchange.LastAnswerToken().value_or(""));
  };
  EXPECT_EQ(Start(), 0);
  EXPECT_EQ(ui_.mainWindowRuns, 1);
  EXPECT_TRUE(ui_.errors.empty());
  EXPECT_EQ(maker, "SIEMENS");
  EXPECT_EQ(Received(), (std::vector<std::string>{"ATZ", "ATE0", "AT+CGMI"}));
}

TEST_F(StartupTest, ResetRefusedOrUnansweredEndsWithNoDeviceFound) {
  WriteSettings("Port=0\n");
  phone_->AddFault(sim::Fault{sim::FaultKind::Error, "ATZ", 1});
  Start();
  EXPECT_EQ(ui_.errors, std::vector<int>{app::kStrNoDeviceFound});
  EXPECT_EQ(ui_.mainWindowRuns, 0);
  EXPECT_EQ(Received(), std::vector<std::string>{"ATZ"});

  phone_->AddFault(sim::Fault{sim::FaultKind::NoAnswer, "ATZ", 1});
  Start();
  EXPECT_EQ(ui_.errors, (std::vector<int>{app::kStrNoDeviceFound, app::kStrNoDeviceFound}));
  EXPECT_EQ(ui_.mainWindowRuns, 0);
}

// The Options dialog comes until confirmed: asked for by the switch ("x-R" holds "-r"),
// for a port outside the ten ports, and on a first start without settings, where Quit
// ends cleanly. The switch leaves the settings file as it was.
TEST_F(StartupTest, OptionsAreShownUntilConfirmedWhenAskedForOrWithoutAUsablePort) {
  WriteSettings("Port=3\n");
  ui_.optionsAnswers = {OptionsOutcome::Cancel, OptionsOutcome::Cancel, OptionsOutcome::Ok};
  Start({"--verbose", "x-R"});
  EXPECT_EQ(ui_.optionsShown, 3);
  EXPECT_EQ(ui_.mainWindowRuns, 1);
  EXPECT_EQ(Received(), (std::vector<std::string>{"ATZ", "ATE0"}));
  EXPECT_EQ(config::ProfileFile(folder_ / "Telvane.ini", "Telvane").Get("Port"), "3");

  WriteSettings("Port=42\n");
  ui_.optionsAnswers = {OptionsOutcome::Ok};
  Start();
  EXPECT_EQ(ui_.optionsShown, 4);
  EXPECT_EQ(ui_.mainWindowRuns, 2);

  phone_->ClearTranscript();
  std::filesystem::remove(folder_ / "Telvane.ini");
  Start();
  EXPECT_EQ(ui_.optionsShown, 5);
  EXPECT_EQ(ui_.mainWindowRuns, 2);
  EXPECT_TRUE(Received().empty());
}

TEST_F(StartupTest, MissingOrUnusableDeviceShowsWhyAndStartUpGoesOn) {
  const std::pair<const char*, int> cases[] = {{"/nonexistent/ttyUSB7", app::kStrPortMissing},
                                               {"/dev/null", app::kStrCantOpenComPort}};
  for (const auto& [device, message] : cases) {
    WriteFile(folder_ / "Telvane.ini", std::string("[Telvane]\nPort=0\nDevice0=") + device + "\n");
    bool exchangeFailed = false;
    ui_.insideMainWindow = [&](config::AppContext& context) {
      exchangeFailed = !context.exchange.SendCommand("AT+CBC");
    };
    ui_.errors.clear();
    Start();
    EXPECT_EQ(ui_.errors, std::vector<int>{message}) << device;
    EXPECT_TRUE(exchangeFailed);
  }
  EXPECT_EQ(ui_.mainWindowRuns, 2);
}

TEST_F(StartupTest, IrdaPhoneIsUsedWhenOfferedAndFoundElseTheSerialPort) {
  WriteSettings("Port=0\n");
  // Offered but no phone in range: silently the serial port.
  auto noPhone = std::make_unique<FakeIrdaProvider>();
  noPhone->deviceNames = {"Laptop"};
  Start({}, std::move(noPhone));
  EXPECT_TRUE(ui_.errors.empty());
  EXPECT_EQ(Received(), (std::vector<std::string>{"ATZ", "ATE0"}));

  // "W2KCable" keeps the serial port even with a phone in range.
  phone_->ClearTranscript();
  WriteSettings("Port=0\nW2KCable=1\n");
  auto inRange = std::make_unique<FakeIrdaProvider>();
  inRange->deviceNames = {"SIEMENS S45"};
  Start({}, std::move(inRange));
  EXPECT_EQ(Received(), (std::vector<std::string>{"ATZ", "ATE0"}));

  // Found and connected: the reset goes over the socket.
  phone_->ClearTranscript();
  WriteSettings("Port=0\n");
  auto irda = std::make_unique<FakeIrdaProvider>();
  irda->deviceNames = {"SIEMENS S45"};
  FakeIrdaProvider* provider = irda.get();
  std::string overSocket;
  std::thread irdaPhone;
  ui_.insideMainWindow = [&](config::AppContext& context) {
    EXPECT_EQ(context.link.Kind(), link::LinkKind::Irda);
  };
  provider->onConnect = [&] {
    irdaPhone = std::thread([&, socket = provider->peerSocket] {
      for (int answered = 0; answered < 2;) {
        char c = 0;
        if (::recv(socket, &c, 1, 0) != 1) return;
        overSocket += c;
        if (c == '\r') {
          ::send(socket, "\r\nOK\r\n", 6, 0);
          ++answered;
        }
      }
    });
  };
  Start({}, std::move(irda));
  if (irdaPhone.joinable()) irdaPhone.join();
  EXPECT_EQ(overSocket, "ATZ\rATE0\r");
  EXPECT_TRUE(Received().empty());
  EXPECT_EQ(ui_.mainWindowRuns, 3);
}

}  // namespace
}  // namespace telvane::testing
