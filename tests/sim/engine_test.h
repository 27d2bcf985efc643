// The fixture of the simulator's command tests: an engine on its own clock, echo off as
// the program runs the phone, and a command line sent with its CR.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

#include "sim/at_engine.h"

namespace telvane::sim {

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override { Start(DemoPhone()); }

  void Start(PhoneState state) {
    engine_ = std::make_unique<AtEngine>(std::move(state), StandardCommandTable(),
                                         [this] { return now_; });
    ASSERT_EQ(engine_->Feed("ATE0\r"), "ATE0\r\r\nOK\r\n");
  }
  std::string Send(std::string_view line) { return engine_->Feed(std::string(line) + "\r"); }

  std::chrono::steady_clock::time_point now_{};
  std::unique_ptr<AtEngine> engine_;
};

}  // namespace telvane::sim
