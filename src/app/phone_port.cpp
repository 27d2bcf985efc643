#include "app/phone_port.h"

#include <stdexcept>

#include "config/app_context.h"
#include "sim/pty_phone.h"

namespace telvane::app {

bool OpenPhonePort(config::AppContext& context, int portIndex, std::chrono::milliseconds settleTime,
                   std::string& problem) {
  if (portIndex < 0 || portIndex >= config::kPortCount) {
    problem = "no port chosen";
    return false;
  }
  std::string device = context.settings.device[static_cast<std::size_t>(portIndex)];
  if (device.starts_with(kSimulatorPrefix)) {
    const std::string stateFile = device.substr(kSimulatorPrefix.size());
    try {
      sim::ServeOptions options;
      sim::PhoneState state = sim::DemoPhone();
      if (!stateFile.empty()) {
        state = sim::LoadPhoneState(stateFile);
        options.stateFile = stateFile;
      }
      std::shared_ptr<sim::PtyPhone> phone = sim::PtyPhone::Start(std::move(state), options);
      device = phone->DevicePath();
      context.embeddedPhone = std::move(phone);
    } catch (const std::exception& error) {
      problem = error.what();
      return false;
    }
  }
  if (!context.link.OpenSerialPort(device, settleTime)) {
    problem = context.link.LastProblem();
    return false;
  }
  return true;
}

}  // namespace telvane::app
