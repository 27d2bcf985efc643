// Cross-check against an independent encoder: gammu builds SMS-SUBMIT PDUs and the SMS list
// decoder must read each back to the same number and text; for plain 7-bit texts our own
// SMS-SUBMIT must equal gammu's octet for octet. 7-bit messages come from gammu's
// "displaysms", which encodes without a phone; 8-bit messages from "addsms" of a backup file,
// stored with AT+CMGW on a small scripted phone served on a pseudo-terminal.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/temp_dir.h"
#include "gsm/hex.h"
#include "gsm/latin1_text.h"
#include "gsm/listed_pdu.h"
#include "gsm/submit_pdu.h"

extern char** environ;

namespace telvane::gsm {
namespace {


constexpr auto kGammuTimeLimit = std::chrono::seconds(60);

// Runs a program with standard input from /dev/null and returns its standard output
// (standard error is discarded). A program still running after kGammuTimeLimit is killed.
std::string RunAndCapture(const std::string& program, const std::vector<std::string>& args) {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<std::string> argStore = args;
  argStore.insert(argStore.begin(), program);
  std::vector<char*> argv;
  for (std::string& arg : argStore) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipeFds[1]);
  std::string output;
  const auto deadline = std::chrono::steady_clock::now() + kGammuTimeLimit;
  while (spawned == 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd readable{pipeFds[0], POLLIN, 0};
    if (left.count() <= 0 || ::poll(&readable, 1, static_cast<int>(left.count())) <= 0) {
      ::kill(pid, SIGKILL);
      break;
    }
    char buffer[4096];
    const ssize_t got = ::read(pipeFds[0], buffer, sizeof buffer);
    if (got <= 0) break;
    output.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(pipeFds[0]);
  if (spawned == 0) {
    int status = 0;
    ::waitpid(pid, &status, 0);
  }
  return output;
}

// Just enough of a phone for gammu to store messages: echo, OK to everything, the few
// answers gammu needs to go on, and the "> " prompt of AT+CMGW whose PDU it records.
class FakeAtPhone {
 public:
  FakeAtPhone() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return;
    device_ = ::ptsname(master_);
    // Held open so the master side never sees a hang-up between gammu's sessions.
    slave_ = ::open(device_.c_str(), O_RDWR | O_NOCTTY);
    termios mode{};
    if (slave_ >= 0 && ::tcgetattr(slave_, &mode) == 0) {
      ::cfmakeraw(&mode);
      ::tcsetattr(slave_, TCSANOW, &mode);
    }
    server_ = std::thread([this] { Serve(); });
  }
  ~FakeAtPhone() {
    stop_ = true;
    if (server_.joinable()) server_.join();
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
  }
  FakeAtPhone(const FakeAtPhone&) = delete;
  FakeAtPhone& operator=(const FakeAtPhone&) = delete;

  const std::string& Device() const { return device_; }
  std::vector<std::string> StoredPdus() {
    std::lock_guard lock(mutex_);
    return stored_;
  }

 private:
  void Serve() {
    std::string input;
    while (!stop_) {
      pollfd readable{master_, POLLIN, 0};
      if (::poll(&readable, 1, 50) <= 0 || (readable.revents & POLLIN) == 0) continue;
      char buffer[1024];
      const ssize_t got = ::read(master_, buffer, sizeof buffer);
      if (got <= 0) continue;
      input.append(buffer, static_cast<std::size_t>(got));
      while (HandleOne(input)) {
      }
    }
  }

  // Handles one complete command line or PDU from the front of input.
  bool HandleOne(std::string& input) {
    if (awaitingPdu_) {
      const auto end = input.find('\x1A');
      if (end == std::string::npos) return false;
      {
        std::lock_guard lock(mutex_);
        stored_.push_back(input.substr(0, end));
      }
      input.erase(0, end + 1);
      awaitingPdu_ = false;
      Send("\r\n+CMGW: 1\r\n\r\nOK\r\n");
      return true;
    }
    const auto end = input.find('\r');
    if (end == std::string::npos) return false;
    std::string command = input.substr(0, end);
    input.erase(0, end + 1);
    while (!command.empty() && (command.front() == '\n' || command.front() == ' ')) {
      command.erase(0, 1);
    }
    if (command.empty()) return true;
    Send(command + "\r");
    if (command.starts_with("AT+CMGW=")) {
      awaitingPdu_ = true;
      Send("\r\n> ");
    } else if (command == "AT+CSCS?") {
      Send("\r\n+CSCS: \"GSM\"\r\n\r\nOK\r\n");
    } else if (command == "AT+CSCS=?") {
      Send("\r\n+CSCS: (\"GSM\",\"IRA\")\r\n\r\nOK\r\n");
    } else if (command == "AT+CPMS=?") {
      Send("\r\n+CPMS: (\"SM\"),(\"SM\"),(\"SM\")\r\n\r\nOK\r\n");
    } else if (command.starts_with("AT+CPMS=")) {
      Send("\r\n+CPMS: 0,10,0,10,0,10\r\n\r\nOK\r\n");
    } else if (command == "AT+CMGF=?") {
      Send("\r\n+CMGF: (0,1)\r\n\r\nOK\r\n");
    } else if (command == "AT+CSCA?") {
      Send("\r\n+CSCA: \"+491234567890\",145\r\n\r\nOK\r\n");
    } else {
      Send("\r\nOK\r\n");
    }
    return true;
  }

  void Send(std::string_view text) {
    while (!text.empty()) {
      const ssize_t put = ::write(master_, text.data(), text.size());
      if (put <= 0) return;
      text.remove_prefix(static_cast<std::size_t>(put));
    }
  }

  int master_ = -1;
  int slave_ = -1;
  std::string device_;
  std::atomic<bool> stop_{false};
  bool awaitingPdu_ = false;
  std::mutex mutex_;
  std::vector<std::string> stored_;
  std::thread server_;
};

// The PDUs gammu prints as "Whole PDU : HEX".
std::vector<std::string> WholePdus(const std::string& output) {
  std::vector<std::string> pdus;
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.starts_with("Whole PDU")) continue;
    const auto colon = line.find(": ");
    if (colon != std::string::npos) pdus.push_back(line.substr(colon + 2));
  }
  return pdus;
}

struct CrossCase {
  std::string number;
  std::string utf8Text;  // what gammu is given
  std::string expectedNumber;
  std::string expectedText;            // ISO 8859-1, as the SMS list shows it
  std::vector<std::string> options{};  // further gammu options
};

std::vector<CrossCase> SevenBitCases() {
  const std::string german =
      "Gr\xFC\xDF"
      "e aus K\xF6ln! \xC4\xD6\xDC \xE4\xF6\xFC \xE9\xE8\xF9\xEC\xF2 "
      "\xC7 \xD1\xF1 \xE0 \xC5\xE5 \xC6\xE6 \xD8\xF8 \xC9 \xA3\xA5\xA7\xBF $_@";
  std::string full;
  for (int i = 0; i < 16; ++i) full += "0123456789";
  return {
      {"+491701234567", "hello_world @x", "+491701234567", "hello_world @x"},
      {"12345", "Hi", "12345", "Hi"},
      {"0049301234", "a", "+49301234", "a"},
      {"+353861234567", Latin1ToUtf8(german), "+353861234567", german},
      {"12345678901234567890", "12345678@", "12345678901234567890", "12345678@"},
      {"5550100", "1234567@", "5550100", "1234567@"},
      {"+12", full, "+12", full},
      {"+447700900123", "", "+447700900123", ""},
      // GSM line feed shows as carriage return; Greek capitals and the escape code as the
      // middle dot; characters of the extension table as a middle dot and the code after it.
      {"+4930123", "line1\nline2", "+4930123", "line1\rline2"},
      {"+4930123", "\xCE\x94\xCE\xA6\xCE\x93", "+4930123", "\xB7\xB7\xB7"},
      {"+4930123", "[x]{y}~\xE2\x82\xAC", "+4930123",
       "\xB7<x\xB7>\xB7(y\xB7)\xB7=\xB7"
       "e"},
      // Service centre, status report, validity and flash change nothing the list shows.
      {"+491701234567",
       "Report please",
       "+491701234567",
       "Report please",
       {"-smscnumber", "+491234567890", "-report", "-validity", "DAY"}},
      {"+491701234567", "Flash!", "+491701234567", "Flash!", {"-flash"}},
  };
}

std::string FindGammu() {
  const auto gammu = telvane::testing::FindOnPath("gammu");
  return gammu.value_or("");
}

// A temporary file of this test run's own (parallel runs do not share it), removed at the end.
class RunFile {
 public:
  explicit RunFile(const std::string& name)
      : path_(std::filesystem::path(::testing::TempDir()) /
              ("telvane-" + std::to_string(::getpid()) + "-" + name)) {}
  ~RunFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  RunFile(const RunFile&) = delete;
  RunFile& operator=(const RunFile&) = delete;
  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

constexpr const char* kNoGammu =
    "gammu is not on PATH: install the Debian package \"gammu\" to run this cross-check "
    "(the CI test script installs it)";

TEST(GammuCrossCheck, SevenBitMessagesFromGammuReadBack) {
  const std::string gammu = FindGammu();
  ASSERT_FALSE(gammu.empty()) << kNoGammu;
  const RunFile config("gammurc-dummy");
  std::ofstream(config.Path()) << "[gammu]\nconnection = none\nmodel = dummy\ndevice = "
                               << ::testing::TempDir() << "\n";

  for (const CrossCase& cross : SevenBitCases()) {
    std::vector<std::string> args = {"-c", config.Path(), "displaysms", "TEXT", cross.number};
    args.insert(args.end(), cross.options.begin(), cross.options.end());
    args.insert(args.end(), {"-textutf8", cross.utf8Text});
    const std::vector<std::string> pdus = WholePdus(RunAndCapture(gammu, args));
    ASSERT_EQ(pdus.size(), 1u) << "gammu gave no single PDU for " << cross.number << " "
                               << cross.utf8Text;
    for (int status : {2, 3}) {
      const ListedPdu row = DecodeListedPdu(pdus[0], status, false);
      EXPECT_EQ(row.number, cross.expectedNumber) << pdus[0];
      EXPECT_EQ(row.text, cross.expectedText) << pdus[0];
      EXPECT_EQ(row.date, "");
      EXPECT_FALSE(row.statusReport);
    }
  }
}

TEST(GammuCrossCheck, SubmitPdusEqualGammusForPlainTexts) {
  const std::string gammu = FindGammu();
  ASSERT_FALSE(gammu.empty()) << kNoGammu;
  const RunFile config("gammurc-dummy");
  std::ofstream(config.Path()) << "[gammu]\nconnection = none\nmodel = dummy\ndevice = "
                               << ::testing::TempDir() << "\n";
  struct Plain {
    std::string number;
    std::string text;  // ISO 8859-1, characters both sides map alike
    int validityDays;  // gammu knows 1 ("DAY") and 3 ("3DAYS")
    bool statusReport;
  };
  const Plain cases[] = {
      {"+491701234567", "hellohello", 1, false},
      {"01701234567", "Caf\xE9 @ 5$ _x_ \xC4\xD6\xDC\xE4\xF6\xFC\xDF \xA3\xA5\xA7\xBF\xE0", 3,
       true},
      {"12345", "12345678@", 1, true},
      {"+3531234567890123", std::string(160, 'z'), 3, false},
  };
  for (const Plain& plain : cases) {
    SubmitRequest request;
    request.serviceCentre = "+491234567890";
    request.destination = plain.number;
    request.text = plain.text;
    request.validityDays = plain.validityDays;
    request.statusReport = plain.statusReport;
    const auto ours = BuildSubmitPdu(request);
    ASSERT_TRUE(ours);

    std::vector<std::string> args = {"-c",
                                     config.Path(),
                                     "displaysms",
                                     "TEXT",
                                     plain.number,
                                     "-smscnumber",
                                     "+491234567890",
                                     "-validity",
                                     plain.validityDays == 1 ? "DAY" : "3DAYS"};
    if (plain.statusReport) args.push_back("-report");
    args.insert(args.end(), {"-textutf8", Latin1ToUtf8(plain.text)});
    const std::vector<std::string> pdus = WholePdus(RunAndCapture(gammu, args));
    ASSERT_EQ(pdus.size(), 1u) << plain.text;
    EXPECT_EQ(ours->hex, pdus[0]) << plain.text;
  }
}

struct EightBitCase {
  std::string number;
  std::string bytes;
  std::string expectedNumber;
  std::string expectedText;  // the bytes through the GSM table, as the SMS list shows them
};

std::vector<EightBitCase> EightBitCases() {
  std::string full;
  for (int i = 0; i < 140; ++i) full.push_back(static_cast<char>('A' + i % 26));
  return {
      {"+491701234567", std::string("\xE4\x5F\x0D\x40\xFF\x00", 6), "+491701234567",
       std::string("\xE4\xA7\n@\xFF@", 6)},
      {"0123456789", "Hello 8-bit", "0123456789", "Hello 8-bit"},
      {"+3531234567", full, "+3531234567", full},
      {"5550100", std::string("\x01\x02\x1B\x80", 4), "5550100", "\xA3$\xB7\x80"},
  };
}

TEST(GammuCrossCheck, EightBitMessagesStoredByGammuReadBack) {
  const std::string gammu = FindGammu();
  ASSERT_FALSE(gammu.empty()) << kNoGammu;
  FakeAtPhone phone;
  ASSERT_FALSE(phone.Device().empty()) << "no pseudo-terminal";
  const RunFile config("gammurc-at");
  std::ofstream(config.Path()) << "[gammu]\nconnection = at\ndevice = " << phone.Device() << "\n";

  const std::vector<EightBitCase> cases = EightBitCases();
  const RunFile backup("8bit.smsbackup");
  {
    std::ofstream file(backup.Path());
    for (std::size_t i = 0; i < cases.size(); ++i) {
      file << "[SMSBackup" << (i < 10 ? "00" : "0") << i << "]\nPDU = Submit\nState = UnSent\n"
           << "Number = \"" << cases[i].number
           << "\"\nCoding = 8bit\nText00 = " << ToHex(cases[i].bytes)
           << "\nLength = " << cases[i].bytes.size() << "\nFolder = 2\nClass = 1\n\n";
    }
  }
  RunAndCapture(gammu, {"-c", config.Path(), "addsms", "2", backup.Path(), "-yes"});

  const std::vector<std::string> pdus = phone.StoredPdus();
  ASSERT_EQ(pdus.size(), cases.size()) << "gammu did not store every message";
  for (std::size_t i = 0; i < cases.size(); ++i) {
    for (int status : {2, 3}) {
      const ListedPdu row = DecodeListedPdu(pdus[i], status, false);
      EXPECT_EQ(row.number, cases[i].expectedNumber) << pdus[i];
      EXPECT_EQ(row.text, cases[i].expectedText) << pdus[i];
    }
  }
}

}  // namespace
}  // namespace telvane::gsm
