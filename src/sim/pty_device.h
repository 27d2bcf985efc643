#pragma once

#include <string>

#include "base/unique_fd.h"

namespace telvane::sim {

// A pseudo-terminal pair: the master end for the phone, the slave device for the client.
// The slave is put in raw mode and held open here too, so a client may close and reopen
// the device without the master seeing a hang-up.
class PtyDevice {
 public:
  static PtyDevice Open();  // throws std::runtime_error

  int Master() const { return master_.Get(); }
  bool IsOpen() const { return master_.Valid(); }
  const std::string& Path() const { return path_; }
  // The line goes away: the client sees a hang-up.
  void Close();

 private:
  base::UniqueFd master_;
  base::UniqueFd slave_;
  std::string path_;
};

}  // namespace telvane::sim
