// gammu, the independent client, run against a simulated phone for comparison figures.
#pragma once

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace telvane::bench {

// A gammurc for the phone at `devicePath` in a folder of its own, removed again at the end.
class GammuClient {
 public:
  explicit GammuClient(const std::string& devicePath)
      : dir_(std::filesystem::temp_directory_path() /
             ("telvane-bench-gammu-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(dir_);
    std::ofstream(dir_ / "gammurc") << "[gammu]\ndevice = " << devicePath << "\nconnection = at\n";
  }
  ~GammuClient() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  GammuClient(const GammuClient&) = delete;
  GammuClient& operator=(const GammuClient&) = delete;

  // gammu's output for `arguments`; a failure to start it or a non-zero exit marks the
  // benchmark as failed.
  std::string Run(benchmark::State& state, const std::string& arguments) const {
    const std::string command =
        "gammu -c '" + (dir_ / "gammurc").string() + "' " + arguments + " 2>&1";
    std::string output;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
      state.SkipWithError("cannot start gammu");
      return output;
    }
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      output.append(buffer, n);
    if (::pclose(pipe) != 0)
      state.SkipWithError(("gammu failed: " + output.substr(0, 300)).c_str());
    return output;
  }

 private:
  std::filesystem::path dir_;
};

// How often `heading` stands in gammu's output: the entries it read.
inline std::size_t CountOccurrences(const std::string& output, const std::string& heading) {
  std::size_t count = 0;
  for (std::size_t at = 0; (at = output.find(heading, at)) != std::string::npos; ++at) ++count;
  return count;
}

}  // namespace telvane::bench
