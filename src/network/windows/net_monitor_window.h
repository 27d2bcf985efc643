// The net monitor (template 145): operator, network code, area and cell, registration,
// reception, activity and current calls, refreshed every "MonRef" seconds, with the
// change log "Telvane.log" and the plotting rows of "TelvaneNet.csv".
#pragma once

#include <filesystem>

#include "config/app_context.h"
#include "network/net_log.h"
#include "network/net_status.h"
#include "network/protocol_log.h"
#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::network {

class NetMonitorWindow : public ui::DialogHandler {
 public:
  static constexpr int kTemplate = 145;
  static constexpr int kRefreshTimer = 100;
  // Controls.
  static constexpr int kCellHex = 1178, kCellDecimal = 1179, kLacHex = 1180, kLacDecimal = 1181;
  static constexpr int kOperator = 1182, kNetwork = 1193;
  static constexpr int kReceptionBitmap = 1184, kReception = 1185, kRegistration = 1186;
  static constexpr int kPeriod = 1188, kPeriodUpDown = 1189, kWriteLog = 1195;
  static constexpr int kActivity = 1199, kCalls = 1200;
  static constexpr int kMinPeriod = 2, kMaxPeriod = 60;
  static constexpr int kValueFontPoints = 18;
  // Strings.
  static constexpr int kStrCellId = 66, kStrLai = 67, kStrCantOpenLog = 68;

  NetMonitorWindow(config::AppContext& context, ui::Ui& ui) : context_(context), ui_(ui) {}

  void OnInit(ui::Dialog& dialog) override;
  void OnCommand(ui::Dialog& dialog, int commandId) override;
  void OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) override;
  void OnTimer(ui::Dialog& dialog, int timerId) override;
  void OnClose(ui::Dialog& dialog) override;

 private:
  std::filesystem::path SettingsFolder() const;
  bool OpenLogs();
  void CloseLogs();
  void Refresh(ui::Dialog& dialog);
  void Show(ui::Dialog& dialog, const NetReading& reading);
  void ShowCalls(ui::Dialog& dialog, const NetReading& reading);
  void WriteLogs(const NetValues& values);

  config::AppContext& context_;
  ui::Ui& ui_;
  ProtocolLog log_;
  NetCsvLog csv_;
  NetValues values_;  // as shown after the last refresh
};

}  // namespace telvane::network
