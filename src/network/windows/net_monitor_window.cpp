#include "network/windows/net_monitor_window.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>

#include "config/settings.h"
#include "network/net_vocabulary.h"
#include "network/reception.h"
#include "ui/resources.h"
#include "ui/window_kit.h"

namespace telvane::network {
namespace {

constexpr int kMillisecondsPerSecond = 1000;
constexpr std::uintmax_t kBytesPerKb = 1024;

constexpr ui::Tooltip kTooltips[] = {{NetMonitorWindow::kCellHex, NetMonitorWindow::kStrCellId},
                                     {NetMonitorWindow::kCellDecimal, NetMonitorWindow::kStrCellId},
                                     {NetMonitorWindow::kLacHex, NetMonitorWindow::kStrLai},
                                     {NetMonitorWindow::kLacDecimal, NetMonitorWindow::kStrLai}};

constexpr int kValueFields[] = {NetMonitorWindow::kOperator, NetMonitorWindow::kNetwork,
                                NetMonitorWindow::kCellHex,  NetMonitorWindow::kCellDecimal,
                                NetMonitorWindow::kLacHex,   NetMonitorWindow::kLacDecimal};

std::string Formatted(const char* format, int value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::array<int, 4> LogKey(const NetValues& values) {
  return {values.cell.value_or(-1), values.lac.value_or(-1), values.network.value_or(-1),
          values.registration.value_or(-1)};
}

void Merge(NetValues& values, const NetReading& reading) {
  values.operatorName = reading.operatorName;
  values.network = reading.networkCode;
  if (reading.registration) {
    values.registration = reading.registration->state;
    if (reading.registration->lac) values.lac = reading.registration->lac;
    if (reading.registration->cell) values.cell = reading.registration->cell;
  }
  if (reading.signalQuality) values.levelDbm = ReceptionLevel(*reading.signalQuality);
  if (reading.activity) values.activity = reading.activity;
}

}  // namespace

std::filesystem::path NetMonitorWindow::SettingsFolder() const {
  return context_.profile.Path().parent_path();
}

void NetMonitorWindow::OnInit(ui::Dialog& dialog) {
  config::Settings& settings = context_.settings;
  ui::AddTooltips(dialog, kTooltips);
  settings.monRef = std::clamp(settings.monRef, kMinPeriod, kMaxPeriod);
  dialog.SetRange(kPeriodUpDown, kMinPeriod, kMaxPeriod);
  dialog.SetPos(kPeriodUpDown, settings.monRef);
  dialog.SetTimer(kRefreshTimer, settings.monRef * kMillisecondsPerSecond);
  for (int id : kValueFields) dialog.SetFontSize(id, kValueFontPoints);
  if (settings.monProt != 0 && !OpenLogs()) settings.monProt = 0;
  dialog.SetChecked(kWriteLog, settings.monProt != 0);

  ui::AddListViewStyle(dialog, kCalls, ui::kListFullRowSelect);
  std::array<ui::ColumnSpec, kCallColumnCount> columns{};
  for (int column = 0; column < kCallColumnCount; ++column) {
    columns[column] = {CallColumnTitle(context_.languageId, column),
                       kCallColumnDefaultWidths[column]};
  }
  ui::InsertColumns(dialog, kCalls, columns, settings.mCol);
  Refresh(dialog);
}

bool NetMonitorWindow::OpenLogs() {
  const std::filesystem::path folder = SettingsFolder();
  if (log_.Open(folder / kProtocolLogName, kNetMonitorLogHeader) && csv_.Open(folder)) return true;
  CloseLogs();
  ui::ShowError(ui_, kStrCantOpenLog);
  return false;
}

void NetMonitorWindow::CloseLogs() {
  log_.Close();
  csv_.Close();
}

void NetMonitorWindow::OnCommand(ui::Dialog& dialog, int commandId) {
  if (commandId != kWriteLog) return;
  if (dialog.IsChecked(kWriteLog)) {
    const bool opened = OpenLogs();
    context_.settings.monProt = opened ? 1 : 0;
    if (!opened) dialog.SetChecked(kWriteLog, false);
  } else {
    context_.settings.monProt = 0;
    CloseLogs();
  }
}

void NetMonitorWindow::OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) {
  if (event.kind != ui::EventKind::Changed || event.controlId != kPeriodUpDown) return;
  context_.settings.monRef = std::clamp(dialog.Pos(kPeriodUpDown), kMinPeriod, kMaxPeriod);
  dialog.SetTimer(kRefreshTimer, context_.settings.monRef * kMillisecondsPerSecond);
}

void NetMonitorWindow::OnTimer(ui::Dialog& dialog, int timerId) {
  if (timerId == kRefreshTimer && !context_.run.timedSequenceBusy) Refresh(dialog);
}

void NetMonitorWindow::Refresh(ui::Dialog& dialog) {
  const config::TimedSequenceScope busy(context_.run);
  dialog.SetText(kPeriod, std::to_string(context_.settings.monRef));
  const NetReading reading = ReadNetStatus(context_.exchange);
  Merge(values_, reading);
  Show(dialog, reading);
  if (context_.settings.monProt != 0) WriteLogs(values_);
}

void NetMonitorWindow::Show(ui::Dialog& dialog, const NetReading& reading) {
  const int language = context_.languageId;
  dialog.SetText(kOperator, reading.operatorName.value_or(""));
  dialog.SetText(kNetwork, reading.networkCode ? Formatted("%d", *reading.networkCode) : "");
  if (reading.registration) {
    dialog.SetText(kRegistration, RegistrationName(language, reading.registration->state));
    if (const auto lac = reading.registration->lac) {
      dialog.SetText(kLacHex, Formatted("%04X", *lac));
      dialog.SetText(kLacDecimal, Formatted("%d", *lac));
    }
    if (const auto cell = reading.registration->cell) {
      dialog.SetText(kCellHex, Formatted("%04X", *cell));
      dialog.SetText(kCellDecimal, Formatted("%d", *cell));
    }
  }
  if (const auto quality = reading.signalQuality) {
    dialog.SetText(kReception, ReceptionText(*quality, language));
    dialog.SetBitmap(kReceptionBitmap, ReceptionBitmap(*quality));
  }
  if (reading.activity) dialog.SetText(kActivity, ActivityName(language, *reading.activity));
  ShowCalls(dialog, reading);
}

void NetMonitorWindow::ShowCalls(ui::Dialog& dialog, const NetReading& reading) {
  const int language = context_.languageId;
  dialog.DeleteAllRows(kCalls);
  int row = 0;
  for (const CallRow& call : reading.calls) {
    dialog.InsertRow(kCalls, row, std::to_string(call.id));
    dialog.SetCell(kCalls, row, 1, call.direction == 0 ? "<" : ">");
    dialog.SetCell(kCalls, row, 2, CallStateName(language, call.state));
    dialog.SetCell(kCalls, row, 3, call.number);
    dialog.SetCell(kCalls, row, 4, CallModeName(language, call.mode));
    ++row;
  }
}

void NetMonitorWindow::WriteLogs(const NetValues& values) {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  config::RunState& run = context_.run;
  const std::array<int, 4> key = LogKey(values);
  if (!run.netLogLineWritten || run.lastNetLogLine != key) {
    log_.Write(NetLogLine(utc, values, context_.languageId));
    run.netLogLineWritten = true;
    run.lastNetLogLine = key;
  }
  const int maxKb =
      context_.settings.netLogMaxKb > 0 ? context_.settings.netLogMaxKb : kDefaultNetLogMaxKb;
  csv_.Write(NetCsvRow(utc, values), static_cast<std::uintmax_t>(maxKb) * kBytesPerKb);
}

void NetMonitorWindow::OnClose(ui::Dialog& dialog) {
  dialog.KillTimer(kRefreshTimer);
  config::Settings& settings = context_.settings;
  settings.monRef = std::clamp(dialog.Pos(kPeriodUpDown), kMinPeriod, kMaxPeriod);
  config::WriteIntKey(context_.profile, "MonRef", settings.monRef);
  config::WriteIntKey(context_.profile, "MonProt", settings.monProt);
  CloseLogs();
  ui::ReadColumnWidths(dialog, kCalls, settings.mCol);
  config::WriteKeyFamily(context_.profile, "MCol", settings.mCol);
  dialog.End(ui::kIdCancel);
}

}  // namespace telvane::network
