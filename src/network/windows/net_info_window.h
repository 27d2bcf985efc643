// The net information window (template 109): the operators the phone knows, its preferred
// operators and the networks a search finds. A known operator is added to the preferred
// list by double-click, a preferred entry removed with Delete, and a found network chosen
// by double-click; the opener is told what the phone registered with.
#pragma once

#include <functional>
#include <vector>

#include "config/app_context.h"
#include "network/operator_lists.h"
#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::network {

// Shows the operator and registration of a successful network choice in the opener.
using RegisteredHook = std::function<void(const Registered&)>;

class NetInfoWindow : public ui::DialogHandler {
 public:
  static constexpr int kTemplate = 109;
  // Controls.
  static constexpr int kKnown = 1009, kPreferred = 1010, kFound = 1177;
  // Strings.
  static constexpr int kStrKnownTip = 6, kStrPreferredTip = 7, kStrNoFreeEntry = 32;
  static constexpr int kStrCantWrite = 49, kStrCantDelete = 50, kStrOperatorUnknown = 62;
  static constexpr int kStrInUse = 63, kStrProhibited = 64, kStrCantSetOperator = 65;
  static constexpr int kStrReadError = 98;

  NetInfoWindow(config::AppContext& context, ui::Ui& ui, RegisteredHook registered)
      : context_(context), ui_(ui), registered_(std::move(registered)) {}

  void OnInit(ui::Dialog& dialog) override;
  void OnCommand(ui::Dialog& dialog, int commandId) override;
  void OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) override;

 private:
  void InsertColumns(ui::Dialog& dialog);
  void ReadLists(ui::Dialog& dialog);
  void ShowPreferred(ui::Dialog& dialog);
  void ShowFound(ui::Dialog& dialog);
  void SortKnown(ui::Dialog& dialog, int column);
  void AddPreferred(ui::Dialog& dialog, int row);
  void DeletePreferredRow(ui::Dialog& dialog, int row);
  void ChooseNetwork(int row);

  config::AppContext& context_;
  ui::Ui& ui_;
  RegisteredHook registered_;
  std::vector<KnownOperator> known_;
  std::vector<PreferredSlot> preferred_;  // row r of list 1010 shows preferred_[r]
  std::vector<FoundNetwork> found_;       // row r of list 1177 shows found_[r]
};

}  // namespace telvane::network
