// A scripted phone on a pseudo-terminal and the headless backend with the program's own
// resources, for the block transfer tests.
#pragma once

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "link/link_fixture.h"
#include "support/temp_dir.h"
#include "ui/headless/run_script.h"
#include "ui/resources.h"

namespace telvane::testing {

inline const std::string kPrompt = "\r\n> ";
inline const std::string kOk = "\r\nOK\r\n";
inline const std::string kError = "\r\nERROR\r\n";

class TransferTest : public SerialExchangeTest {
 protected:
  // Runs `program` on the headless backend over `script`; returns the message lines.
  std::string Run(const std::function<void(ui::Ui&)>& program, const std::string& script = "") {
    std::istringstream in(script);
    std::ostringstream out, err;
    status_ = ui::headless::RunScript(in, "test", out, err, ui::Resources::Embedded(), 9,
                                      [&](ui::headless::HeadlessUi& ui) { program(ui); });
    EXPECT_EQ(status_, 0) << err.str();
    return out.str();
  }

  // The phone accepts `blocks` blocks: a prompt for each header, OK for each data line.
  void AcceptBlocks(int blocks) {
    for (int i = 0; i < blocks; ++i) {
      peer_.Reply(kPrompt);
      peer_.Reply(kOk);
    }
  }

  TempDir dir_;
  int status_ = 0;
};

}  // namespace telvane::testing
