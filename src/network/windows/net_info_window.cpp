#include "network/windows/net_info_window.h"

#include <memory>
#include <string>

#include "network/net_vocabulary.h"
#include "ui/resources.h"
#include "ui/window_kit.h"

namespace telvane::network {
namespace {

constexpr std::string_view kCodeHeader = "MCCMNC";
constexpr int kCodeWidth = 60, kNameWidth = 150, kModeWidth = 50;

}  // namespace

void NetInfoWindow::OnInit(ui::Dialog& dialog) {
  const ui::Tooltip tips[] = {{kKnown, kStrKnownTip}, {kPreferred, kStrPreferredTip}};
  ui::AddTooltips(dialog, tips);
  InsertColumns(dialog);
  ReadLists(dialog);
  SortKnown(dialog, 1);
}

void NetInfoWindow::InsertColumns(ui::Dialog& dialog) {
  const std::string_view name = OperatorNameHeader(context_.languageId);
  const ui::ColumnSpec operators[] = {{kCodeHeader, kCodeWidth, ui::ColumnAlign::kRight},
                                      {name, kNameWidth}};
  const ui::ColumnSpec found[] = {
      {kCodeHeader, kCodeWidth, ui::ColumnAlign::kRight},
      {name, kNameWidth},
      {OperatorModeHeader(context_.languageId), kModeWidth, ui::ColumnAlign::kRight}};
  for (int list : {kKnown, kPreferred, kFound}) {
    ui::AddListViewStyle(dialog, list, ui::kListFullRowSelect);
    if (list == kFound) {
      ui::InsertColumns(dialog, list, found, {});
    } else {
      ui::InsertColumns(dialog, list, operators, {});
    }
  }
}

void NetInfoWindow::ReadLists(ui::Dialog& dialog) {
  ui::WaitBox waitHandler;
  const std::unique_ptr<ui::Dialog> wait = ui_.OpenModeless(ui::WaitBox::kTemplate, waitHandler);
  link::Exchange& exchange = context_.exchange;
  if (auto known = ReadKnownOperators(exchange)) {
    known_ = std::move(*known);
    int row = 0;
    for (const KnownOperator& entry : known_) {
      dialog.InsertRow(kKnown, row, std::to_string(entry.code), entry.code);
      dialog.SetCell(kKnown, row, 1, entry.name);
      ++row;
    }
  } else {
    ui::ShowError(ui_, kStrReadError);
  }
  auto preferred = ReadPreferredOperators(exchange, known_);
  if (!preferred) {
    ui::ShowError(ui_, kStrReadError);
    return;
  }
  preferred_ = std::move(*preferred);
  ShowPreferred(dialog);
  if (auto found = SearchNetworks(exchange)) {
    found_ = std::move(*found);
    ShowFound(dialog);
  } else {
    ui::ShowError(ui_, kStrReadError);
  }
}

void NetInfoWindow::ShowPreferred(ui::Dialog& dialog) {
  dialog.DeleteAllRows(kPreferred);
  int row = 0;
  for (const PreferredSlot& slot : preferred_) {
    dialog.InsertRow(kPreferred, row, std::to_string(slot.code), slot.index);
    dialog.SetCell(kPreferred, row, 1, slot.name);
    ++row;
  }
}

void NetInfoWindow::ShowFound(ui::Dialog& dialog) {
  dialog.DeleteAllRows(kFound);
  int row = 0;
  for (const FoundNetwork& network : found_) {
    dialog.InsertRow(kFound, row, std::to_string(network.code), network.code);
    dialog.SetCell(kFound, row, 1, network.name);
    dialog.SetCell(kFound, row, 2, std::to_string(network.state));
    ++row;
  }
}

void NetInfoWindow::SortKnown(ui::Dialog& dialog, int column) {
  if (column == 0) {
    dialog.SortRows(kKnown,
                    [](const ui::ListRow& a, const ui::ListRow& b) { return a.data < b.data; });
  } else if (column == 1) {
    dialog.SortRows(kKnown, [](const ui::ListRow& a, const ui::ListRow& b) {
      return a.cells.at(1) < b.cells.at(1);
    });
  }
}

void NetInfoWindow::OnCommand(ui::Dialog& dialog, int commandId) {
  if (commandId == ui::kIdOk || commandId == ui::kIdCancel) dialog.End(commandId);
}

void NetInfoWindow::OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) {
  if (event.kind == ui::EventKind::HeaderClicked && event.controlId == kKnown) {
    SortKnown(dialog, event.column);
  } else if (event.kind == ui::EventKind::DoubleClicked && event.row >= 0) {
    if (event.controlId == kKnown) AddPreferred(dialog, event.row);
    if (event.controlId == kFound) ChooseNetwork(event.row);
  } else if (event.kind == ui::EventKind::KeyPressed && event.key == ui::Key::Delete &&
             event.controlId == kPreferred && event.row >= 0) {
    DeletePreferredRow(dialog, event.row);
  }
}

void NetInfoWindow::AddPreferred(ui::Dialog& dialog, int row) {
  const int code = static_cast<int>(dialog.RowData(kKnown, row));
  std::size_t free = 0;
  while (free < preferred_.size() && preferred_[free].code != 0) ++free;
  if (free == preferred_.size()) {
    ui::ShowError(ui_, kStrNoFreeEntry);
    return;
  }
  PreferredSlot& slot = preferred_[free];
  if (!WritePreferred(context_.exchange, slot.index, code)) {
    ui::ShowError(ui_, kStrCantWrite);
    return;
  }
  slot.code = code;
  slot.name = KnownName(known_, code);
  dialog.SetCell(kPreferred, static_cast<int>(free), 0, std::to_string(code));
  dialog.SetCell(kPreferred, static_cast<int>(free), 1, slot.name);
}

void NetInfoWindow::DeletePreferredRow(ui::Dialog& dialog, int row) {
  if (static_cast<std::size_t>(row) >= preferred_.size()) return;
  PreferredSlot& slot = preferred_[static_cast<std::size_t>(row)];
  if (!DeletePreferred(context_.exchange, slot.index)) {
    ui::ShowError(ui_, kStrCantDelete);
    return;
  }
  slot.code = 0;
  slot.name = std::string(kEmptySlotName);
  dialog.SetCell(kPreferred, row, 0, "0");
  dialog.SetCell(kPreferred, row, 1, slot.name);
}

void NetInfoWindow::ChooseNetwork(int row) {
  if (static_cast<std::size_t>(row) >= found_.size()) return;
  const FoundNetwork& network = found_[static_cast<std::size_t>(row)];
  switch (network.state) {
    case 0: ui::ShowError(ui_, kStrOperatorUnknown); break;
    case 1: {
      const auto registered = RegisterWith(context_.exchange, network.code);
      if (!registered) {
        ui::ShowError(ui_, kStrCantSetOperator);
      } else if (registered_) {
        registered_(*registered);
      }
      break;
    }
    case 2: ui::ShowError(ui_, kStrInUse); break;
    case 3: ui::ShowError(ui_, kStrProhibited); break;
    default: break;
  }
}

}  // namespace telvane::network
