#include "sms/windows/centre_dialog.h"

#include "sms/centre_table.h"
#include "sms/windows/sms_tools_ids.h"
#include "sms/windows/sms_windows.h"

namespace telvane::sms {

using namespace tools_ids;

namespace {

int PrefixEdit(std::size_t pair) { return kFirstPrefix + 2 * static_cast<int>(pair); }
int CentreEdit(std::size_t pair) { return PrefixEdit(pair) + 1; }

}  // namespace

void CentreDialog::OnInit(ui::Dialog& dialog) {
  const config::Settings& settings = context_.settings;
  for (std::size_t i = 0; i < kCentreRouteCount; ++i) {
    dialog.SetTextLimit(PrefixEdit(i), static_cast<int>(config::kPrefixLimit));
    dialog.SetTextLimit(CentreEdit(i), static_cast<int>(config::kCentreLimit));
    dialog.SetText(PrefixEdit(i), settings.prefix[i]);
    dialog.SetText(CentreEdit(i), settings.center[i]);
  }
  dialog.SetFocus(PrefixEdit(0));
}

void CentreDialog::OnCommand(ui::Dialog& dialog, int commandId) {
  if (commandId == ui::kIdCancel) {
    dialog.End(ui::kIdCancel);
    return;
  }
  if (commandId != ui::kIdOk) return;
  CentreRoutes typed;
  for (std::size_t i = 0; i < kCentreRouteCount; ++i) {
    typed.prefix[i] = dialog.Text(PrefixEdit(i));
    typed.center[i] = dialog.Text(CentreEdit(i));
  }
  const CentreRoutes routes = CleanRoutes(typed);
  if (const auto pair = PairWithoutCentre(routes)) {
    ui::ShowError(ui_, kStrPrefixWithoutCentre);
    dialog.SetFocus(CentreEdit(*pair));
    return;
  }
  StoreRoutes(routes, context_.settings, context_.profile);
  dialog.End(ui::kIdOk);
}

void RunCentreDialog(config::AppContext& context, ui::Ui& ui, ui::Dialog& opener) {
  CentreDialog dialog(context, ui);
  ui.RunModal(kCentreTemplate, dialog, &opener);
}

}  // namespace telvane::sms
