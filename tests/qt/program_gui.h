// Driving the whole program on the Qt backend over an in-process simulated phone, with
// its settings in a temporary configuration folder.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/program.h"
#include "qt/qt_ui.h"
#include "sim/pty_phone.h"
#include "support/gui_stepper.h"
#include "support/temp_dir.h"
#include "ui/resources.h"

namespace telvane::testing {

class ProgramGuiTest : public ::testing::Test {
 protected:
  void Serve(sim::PhoneState state) {
    phone_ = sim::PtyPhone::Start(std::move(state), sim::ServeOptions{});
    std::filesystem::create_directories(config_ / "telvane");
    WriteFile(config_ / "telvane" / "Telvane.ini",
              "[Telvane]\nPort=0\nDevice0=" + phone_->DevicePath() + "\n");
  }

  TempDir config_;
  ScopedEnv xdg_{"XDG_CONFIG_HOME", config_.Path().string()};
  std::unique_ptr<sim::PtyPhone> phone_;
  qt::QtUi ui_{ui::Resources::Embedded(), 9};
};

}  // namespace telvane::testing
