// A temporary folder removed with its contents at the end of a test, and a guard that
// sets an environment variable for the test's duration.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace telvane::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

class ScopedEnv {
 public:
  ScopedEnv(std::string name, const std::optional<std::string>& value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::optional<std::string> saved_;
};

void WriteFile(const std::filesystem::path& file, const std::string& content);
std::string ReadFile(const std::filesystem::path& file);

// The full path of an executable program found on PATH, if any.
std::optional<std::string> FindOnPath(const std::string& program);

}  // namespace telvane::testing
