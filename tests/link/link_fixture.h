// A phone link opened on a scripted pseudo-terminal peer, with short time-outs.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "link/exchange.h"
#include "link/irda_provider.h"
#include "link/phone_link.h"
#include "support/pty_peer.h"

namespace telvane::testing {

inline link::ExchangeTiming ShortTiming() {
  link::ExchangeTiming timing;
  // Long enough for a loaded machine to answer, short enough for the silent cases.
  timing.firstByteWait = std::chrono::milliseconds(1500);
  timing.readTimeout = std::chrono::milliseconds(1500);
  timing.stallLimit = std::chrono::milliseconds(1000);
  timing.answerLimit = std::chrono::milliseconds(10000);
  return timing;
}

class SerialExchangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(link_.OpenSerialPort(peer_.DevicePath(), std::chrono::milliseconds(0)))
        << link_.LastProblem();
  }

  PtyPeer peer_;
  std::unique_ptr<link::IrdaProvider> irda_ = link::MakeSystemIrdaProvider();
  link::PhoneLink link_{*irda_, nullptr};
  link::Exchange exchange_{link_, ShortTiming()};
};

}  // namespace telvane::testing
