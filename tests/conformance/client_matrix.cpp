#include "conformance/client_matrix.h"

#include <cstdio>
#include <future>

#include "sim/pty_phone.h"
#include "support/child_process.h"
#include "support/temp_dir.h"

namespace telvane::conformance {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;
  std::string output;  // standard output and error
  std::string transcript;
};

// Standard input from a file: the runner gives /dev/null otherwise.
std::vector<std::string> WithInput(std::vector<std::string> command, const fs::path& input) {
  std::vector<std::string> wrapped{"/bin/sh", "-c", "exec \"$@\" <\"$0\"", input.string()};
  wrapped.insert(wrapped.end(), command.begin(), command.end());
  return wrapped;
}

Outcome RunOperation(const Client& client, const Operation& operation) {
  const testing::TempDir folder;
  const auto phone = sim::PtyPhone::Start(MatrixPhone(), {});
  std::vector<std::string> command = client.command(operation, folder.Path(), phone->DevicePath());
  if (!operation.input.empty()) {
    testing::WriteFile(folder / "input.txt", operation.input);
    command = WithInput(std::move(command), folder / "input.txt");
  }
  const testing::ProgramRun run = testing::RunProgram(command, client.environment);
  Outcome outcome{run.status, run.out + run.err, ""};
  for (const std::string& line : phone->Transcript()) outcome.transcript += line + "\n";
  return outcome;
}

bool Succeeded(const Operation& operation, const Outcome& outcome) {
  return outcome.status == 0 && (outcome.output.find(operation.evidence) != std::string::npos ||
                                 outcome.transcript.find(operation.evidence) != std::string::npos);
}

void PrintLine(const Client& client, const Operation& operation, const std::string& verdict) {
  std::printf("conformance: %-9s %-34s ... %s\n", client.name.c_str(), operation.name.c_str(),
              verdict.c_str());
  std::fflush(stdout);
}

}  // namespace

sim::PhoneState MatrixPhone() {
  sim::PhoneState phone = sim::DemoPhone();
  phone.operators.searchSeconds = 0;
  phone.forwarding.push_back({0, 1, "+491701234567", 145, 0, true});
  return phone;
}

void RunMatrix(const Client& client, const std::vector<Operation>& operations) {
  std::vector<std::future<Outcome>> outcomes;
  for (const Operation& operation : operations) {
    outcomes.push_back(std::async(
        std::launch::async, [&client, &operation] { return RunOperation(client, operation); }));
  }
  for (std::size_t i = 0; i < operations.size(); ++i) {
    const Operation& operation = operations[i];
    const Outcome outcome = outcomes[i].get();
    if (Succeeded(operation, outcome)) {
      PrintLine(client, operation, "ok");
    } else if (!operation.clientBugText.empty() &&
               outcome.output.find(operation.clientBugText) != std::string::npos) {
      PrintLine(client, operation, "client bug: " + operation.clientBugReason);
    } else {
      PrintLine(client, operation, "FAILED (exit status " + std::to_string(outcome.status) + ")");
      ADD_FAILURE() << client.name << " " << operation.name << " did not show \""
                    << operation.evidence << "\"\noutput:\n"
                    << outcome.output << "\ntranscript:\n"
                    << outcome.transcript;
    }
  }
}

}  // namespace telvane::conformance
