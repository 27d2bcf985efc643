// The Options dialog (template 103): the port, its device path, the check boxes of the
// settings and the normalising prefix. OK writes every key; Cancel changes nothing.
#pragma once

#include <array>
#include <string>

#include "config/app_context.h"
#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::app {

class OptionsDialog : public ui::DialogHandler {
 public:
  static constexpr int kTemplate = 103;
  static constexpr std::array<int, config::kPortCount> kPortButtons = {
      1017, 1018, 1019, 1020, 1021, 1236, 1237, 1241, 1242, 1243};
  static constexpr int kPrefix = 1216;
  static constexpr int kKeepZeroes = 1223, kCharsetConversion = 1215, kPrematureStop = 1082;
  static constexpr int kSwapDate = 1101, kStatusReports = 1204, kIntPrefix = 1238;
  static constexpr int kNoModem = 1239, kW2kCable = 1240;
  // Additions of this system: the device path of the chosen port, and its box, which
  // offers the serial devices present and takes any path typed.
  static constexpr int kDevicePath = 1300, kDeviceEdit = 1301;

  OptionsDialog(config::AppContext& context, ui::Ui& ui) : context_(context), ui_(ui) {}

  void OnInit(ui::Dialog& dialog) override;
  void OnCommand(ui::Dialog& dialog, int commandId) override;

 private:
  void Confirm(ui::Dialog& dialog);
  int ChosenPort(const ui::Dialog& dialog) const;
  void ShowDevice(ui::Dialog& dialog, int port);

  config::AppContext& context_;
  ui::Ui& ui_;
  std::array<std::string, config::kPortCount> devices_;
  int shownPort_ = 0;
};

}  // namespace telvane::app
