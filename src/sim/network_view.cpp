#include "sim/network_view.h"

#include <chrono>

namespace telvane::sim {
namespace {

std::size_t TimedPoint(CommandContext& context, const Route& route) {
  auto& start = context.SessionSettings().phone.routeStart;
  if (!start) start = context.Now();
  long long total = 0;
  for (const RoutePoint& point : route.points) total += point.seconds;
  const auto elapsed = std::chrono::duration_cast<std::chrono::seconds>(context.Now() - *start);
  long long at = elapsed.count() % total;
  for (std::size_t i = 0; i < route.points.size(); ++i) {
    if (at < route.points[i].seconds) return i;
    at -= route.points[i].seconds;
  }
  return 0;
}

}  // namespace

const RoutePoint* CurrentRoutePoint(CommandContext& context) {
  const Route& route = context.State().status.route;
  if (route.points.empty()) return nullptr;
  const std::size_t index = route.afterCpas
                                ? context.SessionSettings().phone.routeStep % route.points.size()
                                : TimedPoint(context, route);
  return &route.points[index];
}

NetworkStatus CurrentNetwork(CommandContext& context) {
  NetworkStatus status = context.State().status;
  if (const RoutePoint* at = CurrentRoutePoint(context)) {
    const RoutePoint& point = *at;
    status.operatorCode = point.code;
    status.operatorName = point.name;
    status.registration = point.registration;
    status.lac = point.lac;
    status.ci = point.ci;
    status.rssi = point.rssi;
  }
  // A SIM waiting for its PUK (or dead) keeps the phone off the network.
  const Locks& locks = context.State().locks;
  if (locks.SimWaitsForPuk() || locks.SimBlocked()) status.registration = 0;
  // With the radio switched off (AT+CFUN=0) the phone is not registered and has no signal.
  if (context.SessionSettings().functionality == 0) {
    status.registration = 0;
    status.rssi = 99;
    status.ber = 99;
  }
  return status;
}

void AdvanceRouteAfterCpas(CommandContext& context) {
  if (context.State().status.route.afterCpas) ++context.SessionSettings().phone.routeStep;
}

}  // namespace telvane::sim
