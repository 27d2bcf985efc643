// The command module that command mode hands its requests to: "smscom.so", loaded from the
// settings folder or else from the program's own folder, never from the current folder.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "command_mode/smscom.h"

namespace telvane::command_mode {

inline constexpr std::string_view kCommandModuleName = "smscom.so";
inline constexpr const char* kCommandFunctionName = "smscom";

// What one call of the module gave back.
struct ModuleAnswer {
  int result = -1;
  std::string replyNumber;
  std::string text;
  std::optional<std::string> statusText;  // set when the module points its status at a text
};

class CommandModule {
 public:
  enum class LoadError { kNoModule, kNoFunction };

  // The first folder holding the module wins. Fails with kNoModule when no folder holds a
  // module that loads, kNoFunction when the loaded one lacks "smscom".
  static CommandModule Load(std::span<const std::filesystem::path> folders, LoadError& error);

  CommandModule(CommandModule&& other) noexcept;
  CommandModule& operator=(CommandModule&& other) noexcept;
  CommandModule(const CommandModule&) = delete;
  CommandModule& operator=(const CommandModule&) = delete;
  ~CommandModule();

  bool Loaded() const { return function_ != nullptr; }
  // One request: sender and text are cut to their buffers; the buffers the module fills are
  // read only up to their last byte, so a module that forgets the terminator cannot make
  // this side read past them.
  ModuleAnswer Call(std::string_view sender, std::string_view text);

 private:
  CommandModule() = default;
  void Unload();

  void* handle_ = nullptr;
  SmscomFunction* function_ = nullptr;
  const char* statusText_ = nullptr;  // the module's, kept between calls
};

// Where the module is looked for: the settings folder, the folder of the running program,
// then the module folder of an installed program (<prefix>/lib/telvane).
std::vector<std::filesystem::path> CommandModuleFolders(
    const std::filesystem::path& settingsFolder);

}  // namespace telvane::command_mode
