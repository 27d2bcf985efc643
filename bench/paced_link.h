// A simulated phone served at a given pace, with a serial link and an exchange open on it
// and the echo switched off: what every benchmark against the wire starts from.
#pragma once

#include <chrono>
#include <memory>
#include <utility>

#include "link/exchange.h"
#include "link/irda_provider.h"
#include "link/phone_link.h"
#include "sim/pty_phone.h"

namespace telvane::bench {

struct PacedLink {
  PacedLink(sim::PhoneState state, int baudRate, std::chrono::milliseconds latency)
      : phone(sim::PtyPhone::Start(std::move(state), Options(baudRate, latency))),
        irda(link::MakeSystemIrdaProvider()),
        phoneLink(*irda, nullptr),
        exchange(phoneLink) {
    opened = phoneLink.OpenSerialPort(phone->DevicePath(), std::chrono::milliseconds(0)) &&
             exchange.SendCommand("ATE0");
  }

  static sim::ServeOptions Options(int baudRate, std::chrono::milliseconds latency) {
    sim::ServeOptions options;
    options.baudRate = baudRate;
    options.latency = latency;
    return options;
  }

  std::unique_ptr<sim::PtyPhone> phone;
  std::unique_ptr<link::IrdaProvider> irda;
  link::PhoneLink phoneLink;
  link::Exchange exchange;
  bool opened = false;
};

}  // namespace telvane::bench
