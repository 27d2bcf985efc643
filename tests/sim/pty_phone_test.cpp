#include "sim/pty_phone.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <thread>

#include "support/pty_client.h"
#include "support/temp_dir.h"

namespace telvane::sim {
namespace {

namespace fs = std::filesystem;
using testing::PtyClient;

constexpr std::string_view kOk = "\r\nOK\r\n";

class PtyPhoneTest : public ::testing::Test {
 protected:
  void TearDown() override { phone_.reset(); }

  // Starts the phone and a client with echo switched off.
  PtyClient& StartWithClient(PhoneState state = DemoPhone(), ServeOptions options = {}) {
    phone_ = PtyPhone::Start(std::move(state), std::move(options));
    client_ = std::make_unique<PtyClient>(phone_->DevicePath());
    EXPECT_TRUE(client_->IsOpen());
    EXPECT_EQ(client_->Command("ATE0"), "ATE0\r\r\nOK\r\n");
    return *client_;
  }

  // Waits (boundedly) until the condition on the phone holds.
  template <typename Condition>
  bool Eventually(Condition condition) {
    const auto deadline = std::chrono::steady_clock::now() + testing::kPatience;
    while (!condition()) {
      if (std::chrono::steady_clock::now() > deadline) {
        return false;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
  }

  testing::TempDir dir_;
  std::unique_ptr<PtyPhone> phone_;
  std::unique_ptr<PtyClient> client_;
};

TEST_F(PtyPhoneTest, AnswersOverThePseudoTerminalAndSurvivesAReopen) {
  PtyClient& client = StartWithClient();
  EXPECT_EQ(client.Command("AT+CGMI"), "\r\nSIEMENS\r\n\r\nOK\r\n");
  client_.reset();                        // the client closes the device ...
  PtyClient again(phone_->DevicePath());  // ... and opens it again
  EXPECT_EQ(again.Command("AT+CBC"), "\r\n+CBC: 0,80\r\n\r\nOK\r\n");
}

TEST_F(PtyPhoneTest, TranscriptHoldsReceivedAndSentLinesInMemoryAndInTheFile) {
  ServeOptions options;
  options.transcriptFile = dir_ / "transcript.txt";
  PtyClient& client = StartWithClient(DemoPhone(), options);
  client.Command("AT+CBC");
  client.Send("hello\r");  // noise: no answer
  client.Command("AT^SMSO");
  const std::vector<std::string> expected = {"> ATE0", "< OK",    "> AT+CBC",  "< +CBC: 0,80",
                                             "< OK",   "> hello", "> AT^SMSO", "< ^SMSO: MS OFF",
                                             "< OK"};
  EXPECT_EQ(phone_->Transcript(), expected);
  EXPECT_EQ(testing::ReadFile(dir_ / "transcript.txt"),
            "> ATE0\n< OK\n> AT+CBC\n< +CBC: 0,80\n< OK\n> hello\n> AT^SMSO\n"
            "< ^SMSO: MS OFF\n< OK\n");
  phone_->ClearTranscript();
  EXPECT_TRUE(phone_->Transcript().empty());
}

TEST_F(PtyPhoneTest, NoAnswerSendsNothingNotEvenTheEcho) {
  phone_ = PtyPhone::Start(DemoPhone(), {});
  PtyClient client(phone_->DevicePath());
  phone_->AddFault({FaultKind::NoAnswer, "at+cbc", 1});
  client.Send("AT+CBC\r");
  // The next command's echo and answer are the first bytes that arrive.
  EXPECT_EQ(client.Command("AT+CSQ"), "AT+CSQ\r\r\n+CSQ: 17,99\r\n\r\nOK\r\n");
  EXPECT_EQ(client.Command("AT+CBC"), "AT+CBC\r\r\n+CBC: 0,80\r\n\r\nOK\r\n");
}

// Each armed fault breaks the answer of its command in its own way; faults match a command
// by case-insensitive prefix and count down (-1: for ever).
TEST_F(PtyPhoneTest, FaultsBreakTheAnswersOfTheirCommands) {
  PtyClient& client = StartWithClient();
  phone_->AddFault({FaultKind::CutOff, "AT+CBC", 1});
  client.Send("AT+CBC\r");
  EXPECT_EQ(client.Command("AT"), "\r\n+CBC: 0," + std::string(kOk));

  phone_->AddFault({FaultKind::Garbage, "", 1});
  const std::string answer = client.Command("AT+CSQ");
  ASSERT_TRUE(answer.ends_with("\r\n+CSQ: 17,99\r\n\r\nOK\r\n"));
  const std::string noise = answer.substr(0, answer.find("\r\n+CSQ"));
  EXPECT_NE(noise.find('\0'), std::string::npos);
  EXPECT_TRUE(std::any_of(noise.begin(), noise.end(),
                          [](char c) { return static_cast<unsigned char>(c) >= 0x80; }));

  phone_->AddFault({FaultKind::UnsolicitedInside, "AT+CBC", 1});
  EXPECT_EQ(client.Command("AT+CBC"), "\r\n+CBC: 0,80\r\n\r\nRING\r\n\r\nOK\r\n");
  // With registration reports on, the registration report comes in between.
  EXPECT_EQ(client.Command("AT+CREG=1"), kOk);
  phone_->AddFault({FaultKind::UnsolicitedInside, "AT", 1});
  EXPECT_EQ(client.Command("AT"), "\r\n+CREG: 1\r\n\r\nOK\r\n");

  phone_->AddFault({FaultKind::Error, "AT+CVIB=", 2});
  EXPECT_EQ(client.Command("AT+CVIB=1"), "\r\nERROR\r\n");
  EXPECT_EQ(client.Command("at+cvib=1"), "\r\nERROR\r\n");
  EXPECT_FALSE(phone_->StateSnapshot().audio.vibrator);
  EXPECT_EQ(client.Command("AT+CVIB=1"), kOk);
  EXPECT_TRUE(phone_->StateSnapshot().audio.vibrator);
  phone_->AddFault({FaultKind::Error, "AT+CGMM", -1});
  for (int i = 0; i < 3; ++i) EXPECT_EQ(client.Command("AT+CGMM"), "\r\nERROR\r\n");
}

TEST_F(PtyPhoneTest, FloodSendsMoreThanAnAnswerBufferWithoutFinalResult) {
  PtyClient& client = StartWithClient();
  phone_->AddFault({FaultKind::Flood, "AT^SMGL", 1});
  client.Send("AT^SMGL=4\r");
  const std::string flood =
      client.ReadUntil([](const std::string& got) { return got.size() > kFloodBytes - 64; });
  EXPECT_GT(flood.size(), 20480u);
  EXPECT_EQ(flood.find("OK"), std::string::npos);
  EXPECT_EQ(flood.find("ERROR"), std::string::npos);
  const std::string rest = client.Command("AT");
  EXPECT_TRUE(rest.ends_with(kOk));
  EXPECT_EQ((flood + rest).find("OK"), flood.size() + rest.size() - 4);
}

TEST_F(PtyPhoneTest, LineGoneHangsUpTheClient) {
  PtyClient& client = StartWithClient();
  phone_->AddFault({FaultKind::LineGone, "AT+CBC", 1});
  client.Send("AT+CBC\r");
  EXPECT_TRUE(client.WaitForHangUp());
  phone_->Stop();
}

TEST_F(PtyPhoneTest, PacedLineWithLatencyStillAnswersCorrectly) {
  ServeOptions options;
  options.baudRate = 9600;
  options.latency = std::chrono::milliseconds(20);
  PtyClient& client = StartWithClient(DemoPhone(), options);
  EXPECT_EQ(client.Command("AT+CBC;+CSQ"), "\r\n+CBC: 0,80\r\n\r\n+CSQ: 17,99\r\n\r\nOK\r\n");
  const std::string list = client.Command("AT^SMGL=4");
  EXPECT_TRUE(list.starts_with("\r\n^SMGL: 1,1,,57\r\n0791"));
  EXPECT_TRUE(list.ends_with(kOk));
}

TEST_F(PtyPhoneTest, StateIsSavedOnChangeAndOnStopButNotThePowerOff) {
  const fs::path file = dir_ / "phone.json";
  SavePhoneState(DemoPhone(), file);
  ServeOptions options;
  options.stateFile = file;
  options.saveOnChange = true;
  PtyClient& client = StartWithClient(LoadPhoneState(file), options);
  EXPECT_EQ(client.Command("AT+CVIB=1"), kOk);
  EXPECT_TRUE(Eventually([&] { return LoadPhoneState(file).audio.vibrator; }));
  EXPECT_EQ(client.Command("AT^SRTC=5,1"), kOk);
  EXPECT_EQ(client.Command("AT^SMSO"), "\r\n^SMSO: MS OFF\r\n\r\nOK\r\n");
  phone_->Stop();
  phone_->Stop();
  EXPECT_FALSE(phone_->SaveError());
  const PhoneState saved = LoadPhoneState(file);
  EXPECT_EQ(saved.audio.tone, 5);
  EXPECT_EQ(saved.audio.volume, 1);

  phone_ = PtyPhone::Start(saved, {});  // switched on again
  PtyClient again(phone_->DevicePath());
  EXPECT_EQ(again.Command("AT"), "AT\r\r\nOK\r\n");
}

TEST_F(PtyPhoneTest, StartRefusesAnInvalidStateOrTranscriptPath) {
  PhoneState state = DemoPhone();
  state.audio.volume = 9;
  EXPECT_THROW(PtyPhone::Start(state, {}), std::runtime_error);
  ServeOptions options;
  options.transcriptFile = dir_ / "missing-dir" / "t.txt";
  EXPECT_THROW(PtyPhone::Start(DemoPhone(), options), std::runtime_error);
}

// A "time" route on the real clock: the phone reaches the second point once the first
// point's second has passed. Polled with a generous bound; no time is asserted.
TEST_F(PtyPhoneTest, TimeRouteReachesTheNextPointOnTheRealClock) {
  PhoneState state = DemoPhone();
  state.status.route.points = {{1, "26201", "Nordnetz", 1, "0001", "0010", 17, {}},
                               {1, "26202", "Suednetz", 5, "0002", "0020", 17, {}}};
  PtyClient& client = StartWithClient(std::move(state));
  const std::string second = "\r\n+CREG: 0,5,\"0002\",\"0020\"\r\n\r\nOK\r\n";
  bool moved = false;
  for (int i = 0; i < 300 && !moved; ++i) {
    moved = client.Command("AT+CREG?") == second;
    if (!moved) std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  EXPECT_TRUE(moved);
}

}  // namespace
}  // namespace telvane::sim
