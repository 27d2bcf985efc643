#include "sim/pty_phone.h"

#include <stdexcept>

#include "sim/pty_server.h"

namespace telvane::sim {

std::unique_ptr<PtyPhone> PtyPhone::Start(PhoneState state, ServeOptions options) {
  try {
    ValidatePhoneState(state);
  } catch (const std::runtime_error& error) {
    throw std::runtime_error(std::string("phone state: ") + error.what());
  }
  auto server = std::make_unique<PtyServer>(std::move(state), options);
  return std::unique_ptr<PtyPhone>(new PtyPhone(std::move(server), std::move(options)));
}

PtyPhone::PtyPhone(std::unique_ptr<PtyServer> server, ServeOptions options)
    : server_(std::move(server)), options_(std::move(options)) {
  thread_ = std::thread([server = server_.get()] { server->Run(); });
}

PtyPhone::~PtyPhone() { Stop(); }

const std::string& PtyPhone::DevicePath() const { return server_->DevicePath(); }

std::vector<std::string> PtyPhone::Transcript() const { return server_->Log().Lines(); }

void PtyPhone::ClearTranscript() { server_->Log().Clear(); }

void PtyPhone::AddFault(Fault fault) { server_->AddFault(std::move(fault)); }

PhoneState PtyPhone::StateSnapshot() const { return server_->Snapshot(); }

void PtyPhone::Stop() {
  if (stopped_) {
    return;
  }
  stopped_ = true;
  server_->RequestStop();
  if (thread_.joinable()) {
    thread_.join();
  }
  server_->SaveState();
}

std::optional<std::string> PtyPhone::SaveError() const { return server_->SaveError(); }

}  // namespace telvane::sim
