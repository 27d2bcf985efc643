#include "app/options_dialog.h"

#include <algorithm>

#include "config/settings.h"
#include "link/serial_devices.h"

namespace telvane::app {
namespace {

struct BoxKey {
  int controlId;
  const char* key;
  int config::Settings::*value;
};

// The boxes written on OK, in the order they are written ("SMSstat" comes after them).
constexpr BoxKey kBoxes[] = {
    {OptionsDialog::kPrematureStop, "ReadB", &config::Settings::readB},
    {OptionsDialog::kSwapDate, "SwapD", &config::Settings::swapD},
    {OptionsDialog::kCharsetConversion, "GSMconv", &config::Settings::gsmConv},
    {OptionsDialog::kIntPrefix, "IntPrefix", &config::Settings::intPrefix},
    {OptionsDialog::kKeepZeroes, "Rem0", &config::Settings::rem0},
    {OptionsDialog::kNoModem, "NoModem", &config::Settings::noModem},
    {OptionsDialog::kW2kCable, "W2KCable", &config::Settings::w2kCable},
};

}  // namespace

void OptionsDialog::OnInit(ui::Dialog& dialog) {
  const config::Settings& settings = context_.settings;
  devices_ = settings.device;
  // The serial devices present, for the chosen port's device box to offer.
  for (const std::string& device : link::ListSerialDevices(link::SerialDeviceFolder())) {
    dialog.AddItem(kDeviceEdit, device);
  }
  const int port = (settings.port >= 0 && settings.port < config::kPortCount) ? settings.port : 0;
  dialog.SetChecked(kPortButtons[static_cast<std::size_t>(port)], true);
  ShowDevice(dialog, port);
  for (const BoxKey& box : kBoxes) dialog.SetChecked(box.controlId, settings.*box.value != 0);
  dialog.SetChecked(kStatusReports, settings.smsStat != 0);
  dialog.Enable(kW2kCable, context_.link.IrdaOffered());
  dialog.SetTextLimit(kPrefix, static_cast<int>(config::kTPrefLimit));
  if (!settings.tPref.empty()) dialog.SetText(kPrefix, settings.tPref);
}

void OptionsDialog::ShowDevice(ui::Dialog& dialog, int port) {
  shownPort_ = port;
  // Each port number names its device in its tooltip; the chosen one also in label 1300.
  for (std::size_t i = 0; i < kPortButtons.size(); ++i) {
    dialog.SetTooltipText(kPortButtons[i], devices_[i]);
  }
  dialog.SetText(kDevicePath,
                 config::PortName(port) + " " + devices_[static_cast<std::size_t>(port)]);
  dialog.SetText(kDeviceEdit, devices_[static_cast<std::size_t>(port)]);
}

int OptionsDialog::ChosenPort(const ui::Dialog& dialog) const {
  // The first of COM1..COM9 that is chosen; none of them means COM10.
  for (int i = 0; i < config::kPortCount - 1; ++i) {
    if (dialog.IsChecked(kPortButtons[static_cast<std::size_t>(i)])) return i;
  }
  return config::kPortCount - 1;
}

void OptionsDialog::OnCommand(ui::Dialog& dialog, int commandId) {
  if (commandId == ui::kIdOk) {
    Confirm(dialog);
    return;
  }
  if (commandId == ui::kIdCancel) {
    dialog.End(ui::kIdCancel);
    return;
  }
  if (std::find(kPortButtons.begin(), kPortButtons.end(), commandId) != kPortButtons.end()) {
    devices_[static_cast<std::size_t>(shownPort_)] = dialog.Text(kDeviceEdit);
    ShowDevice(dialog, ChosenPort(dialog));
  }
}

void OptionsDialog::Confirm(ui::Dialog& dialog) {
  config::Settings& settings = context_.settings;
  config::ProfileFile& profile = context_.profile;
  devices_[static_cast<std::size_t>(shownPort_)] = dialog.Text(kDeviceEdit);

  settings.port = ChosenPort(dialog);
  config::WriteIntKey(profile, "Port", settings.port);
  for (const BoxKey& box : kBoxes) {
    settings.*box.value = dialog.IsChecked(box.controlId) ? 1 : 0;
    config::WriteIntKey(profile, box.key, settings.*box.value);
  }
  // Sent on every OK, changed or not; before the port is open it simply fails.
  if (dialog.IsChecked(kStatusReports)) {
    context_.exchange.SendCommand("AT+CNMI=1,0,0,2");
    settings.smsStat = 1;
  } else {
    context_.exchange.SendCommand("AT+CNMI=0,0,0,0");
    settings.smsStat = 0;
  }
  config::WriteIntKey(profile, "SMSstat", settings.smsStat);
  settings.tPref = dialog.Text(kPrefix).substr(0, config::kTPrefLimit);
  profile.Write("TPref", settings.tPref);
  for (int i = 0; i < config::kPortCount; ++i) {
    const std::size_t slot = static_cast<std::size_t>(i);
    if (devices_[slot] != settings.device[slot] && !devices_[slot].empty()) {
      settings.device[slot] = devices_[slot];
      profile.Write(config::FamilyKey("Device", i), devices_[slot]);
    }
  }
  dialog.End(ui::kIdOk);
}

}  // namespace telvane::app
