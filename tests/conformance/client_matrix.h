// Independent clients run their usual operations against the simulated phone, each operation
// against a phone of its own (so the operations run side by side and one cannot spoil the
// next), and one line per client and operation is printed:
//   conformance: gammu     identify                    ... ok
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "sim/phone_state.h"

namespace telvane::conformance {

struct Operation {
  std::string name{};                    // as printed, e.g. "getallmemory SM"
  std::vector<std::string> arguments{};  // after the client's own options; see Client
  // Text that proves the operation did its work: in the client's output or in the phone's
  // transcript ("> command" and "< answer" lines joined by newlines).
  std::string evidence{};
  std::string input{};  // standard input, for a client that reads the message text there
  // A failure that is the client's own fault: the error text it then gives. The matrix
  // line names it; any other failure fails the test.
  std::string clientBugText{};
  std::string clientBugReason{};  // printed after "client bug: "
};

struct Client {
  std::string name{};  // "gammu", "gnokii", "gsm-utils"
  // The whole command line of one operation against `device`; may write a configuration
  // file into `folder`. "{device}" in an operation's arguments stands for the device.
  std::function<std::vector<std::string>(const Operation&, const std::filesystem::path& folder,
                                         const std::string& device)>
      command{};
  std::vector<std::string> environment{};  // "NAME=value" entries for the client
};

// The demo phone, with the details the matrix shows: the network search answers at once and
// an unconditional forwarding for voice is on.
sim::PhoneState MatrixPhone();

// Runs every operation, prints its line in the order given and records a test failure for
// each operation that fails other than by a named client bug.
void RunMatrix(const Client& client, const std::vector<Operation>& operations);

}  // namespace telvane::conformance
