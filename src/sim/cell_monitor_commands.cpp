// The maker's cell monitor: AT^SMONC reports the serving cell and the neighbour cells of
// the route point the phone is at, seven base stations of nine values each.
#include <cstdio>

#include "sim/command_groups.h"
#include "sim/network_view.h"

namespace telvane::sim {
namespace {

constexpr std::string_view kNoCell = "000,00,0000,0000,00,0,0,0,0";
constexpr int kServingBsic = 32;
constexpr int kServingChannel = 82;

// MCC, MNC, LAC, cell, BSIC, ARFCN, received level and the reselection values C1 and C2,
// which this phone derives from the level.
std::string CellText(std::string_view code, std::string_view lac, std::string_view ci, int bsic,
                     int channel, int rxlev) {
  const int c = rxlev > 8 ? rxlev - 8 : 0;
  char values[48];
  std::snprintf(values, sizeof values, ",%02d,%d,%d,%d,%d", bsic, channel, rxlev, c, c);
  return std::string(code.substr(0, 3)) + "," + std::string(code.substr(3)) + "," +
         std::string(lac) + "," + std::string(ci) + values;
}

// The serving cell's level on the 0-63 scale of GSM 05.08 from the +CSQ value (0-31).
int ServingLevel(int rssi) {
  if (rssi == 99) return 0;
  const int level = 2 * rssi - 3;
  return level < 0 ? 0 : level;
}

std::string MonitorLine(CommandContext& context) {
  const NetworkStatus status = CurrentNetwork(context);
  std::vector<std::string> cells;
  if (IsRegistered(status)) {
    cells.push_back(CellText(status.operatorCode, status.lac, status.ci, kServingBsic,
                             kServingChannel, ServingLevel(status.rssi)));
    if (const RoutePoint* point = CurrentRoutePoint(context)) {
      for (const NeighbourCell& n : point->neighbours) {
        if (cells.size() > kReportedNeighbours) break;
        cells.push_back(CellText(n.code, n.lac, n.ci, n.bsic, n.channel, n.rxlev));
      }
    }
  }
  std::string line = "^SMONC: ";
  for (std::size_t i = 0; i <= kReportedNeighbours; ++i) {
    if (i > 0) line += ",";
    line += i < cells.size() ? cells[i] : std::string(kNoCell);
  }
  return line;
}

Reply CellMonitor(CommandContext& context, const CommandRequest& request) {
  switch (request.form) {
    case CommandForm::kAction: return Reply::Ok({MonitorLine(context)});
    case CommandForm::kTest: return Reply::Ok();
    default: return Reply::Error();
  }
}

}  // namespace

void AddCellMonitorCommands(CommandTable& table) { table.Add("^SMONC", CellMonitor); }

}  // namespace telvane::sim
