// The reply dialog (template 122) on the headless backend against a scripted phone: what
// it fills in on opening, how the recipient is found, and the exact lines the phone gets.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "config/app_context.h"
#include "sms/windows/sms_windows.h"
#include "support/scripted_phone_test.h"
#include "support/temp_dir.h"
#include "ui/headless/run_script.h"
#include "ui/resources.h"

namespace telvane::sms {
namespace {

using testing::Lines;

constexpr const char* kCentreAnswer = "\r\n+CSCA: \"+491770000000\",145\r\n\r\nOK\r\n";
constexpr const char* kPrompt = "\r\n> ";
constexpr const char* kSent = "\r\n+CMGS: 1\r\n\r\nOK\r\n";
constexpr const char* kError = "\r\nERROR\r\n";
// "hellohello" through +491770000000, valid 4 days, to +491701234567 and to 0301234.
constexpr const char* kHelloToBob =
    "079194710700000011000781301032F40000AA0AE8329BFD4697D9EC37\x1a";

class ReplyDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(context_.link.OpenSerialPort(peer_.DevicePath(), std::chrono::milliseconds(0)));
    std::ofstream(dir_ / "Telvane.phb") << "[SIM]\n1,Anna Schmidt,+491701234567\n2,Bob,0301234\n";
  }

  // Runs the dialog from a window standing for the SMS list; returns the message lines.
  std::string Run(const ReplySource& source, const std::string& script) {
    struct InWindow : ui::DialogHandler {
      std::function<void(ui::Dialog&)> action;
      void OnInit(ui::Dialog& dialog) override {
        action(dialog);
        dialog.End(ui::kIdOk);
      }
    } window;
    std::istringstream in(script);
    std::ostringstream out, err;
    const StoredRowSink sink = [this](const StoredRow& row) { stored_.push_back(row); };
    const int status = ui::headless::RunScript(
        in, "test", out, err, ui::Resources::Embedded(), 9, [&](ui::headless::HeadlessUi& ui) {
          window.action = [&](ui::Dialog& dialog) {
            RunReplyDialog(context_, ui, dialog, source, book_, sink);
            ended_ = true;
          };
          ui.RunModal(111, window, nullptr);
        });
    EXPECT_EQ(status, 0) << err.str();
    return out.str();
  }

  // The lines the phone received.
  Lines Received() {
    peer_.Reply(testing::kOk);
    EXPECT_TRUE(context_.exchange.SendCommand("AT"));
    Lines lines = peer_.Lines();
    lines.pop_back();
    return lines;
  }

  testing::TempDir dir_;
  testing::PtyPeer peer_;
  config::AppContext context_{config::ProfileFile(dir_ / "Telvane.ini", "Telvane"),
                              link::MakeSystemIrdaProvider(), nullptr, testing::ShortTiming()};
  phonebook::ExternalBookTable book_;
  std::vector<StoredRow> stored_;
  bool ended_ = false;  // the dialog returned before the script ran out
};

TEST_F(ReplyDialogTest, NamesAreLookedUpAndUnknownOrEmptyRecipientsKeepTheDialogOpen) {
  peer_.Reply(kCentreAnswer);
  peer_.Reply(kPrompt);
  peer_.Reply(kSent);
  const std::string out = Run({}, R"(
type 1077 hellohello
click 1
expect window 122
type 1078 Zoe
click 1
expect window 122
type 1078 0170"\r\nATD0900
click 1
expect window 122
select 1078 1
click 1
)");
  EXPECT_EQ(out,
            "message 29 Telvane Error: Please enter a telephone number\n"
            "message 29 Telvane Error: Please enter a telephone number\n"
            "message 29 Telvane Error: Please enter a telephone number\n");
  EXPECT_TRUE(ended_);
  EXPECT_EQ(Received(), (Lines{"AT+CSCA?", "AT+CMGS=21", kHelloToBob}));
}

TEST_F(ReplyDialogTest, StoredMessageIsSentAgainAndStoredWithItsOwnPartAfterCancel) {
  book_.Add({1, "0301234", 129, "Kept"});  // not read again: the file's names do not show
  peer_.Reply(kCentreAnswer);
  peer_.Reply(kError);  // AT+CMGS refused
  peer_.Reply(kPrompt);
  peer_.Reply("\r\n+CMGW: 9\r\n\r\nOK\r\n");
  const std::string text = std::string(160, 'a') + "b";
  peer_.Reply(kPrompt);
  peer_.Reply(kSent);
  const std::string out = Run({ReplyKind::kSendStored, "+491701234567", text}, R"(
expect rowcount 1078 1
expect item 1078 0 Kept
expect text 1078 +491701234567
expect enabled 1077 off
expect enabled 1201 off
expect text 1134 161
expect text 1135 159
expect text 1136 2
answer cancel
answer yes
click 1
)");
  EXPECT_EQ(out,
            "message 34 Telvane Error: Message(s) could not be send\n"
            "message 75 Telvane Error: Save unsend message?\n");
  const std::string firstPart = "079194710700000011000C919471103254760000AAA0" + [] {
    std::string septets;
    for (int i = 0; i < 20; ++i) septets += "E170381C0E87C3";
    return septets;
  }() + "\x1a";
  EXPECT_EQ(Received(), (Lines{"AT+CSCA?", "AT+CMGS=154", "AT+CMGW=154,2", firstPart, "AT+CMGS=15",
                               "079194710700000011010C919471103254760000AA0162\x1a"}));
  EXPECT_TRUE(ended_);
  ASSERT_EQ(stored_.size(), 1u);
  EXPECT_EQ(stored_[0].index, 9);
  EXPECT_EQ(stored_[0].number, "+491701234567");
  EXPECT_EQ(stored_[0].text, std::string(160, 'a'));
}

}  // namespace
}  // namespace telvane::sms
