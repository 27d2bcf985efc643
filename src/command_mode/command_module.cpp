#include "command_mode/command_module.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstring>
#include <system_error>
#include <utility>

namespace telvane::command_mode {
namespace {

// A status text longer than this is shown cut.
constexpr std::size_t kStatusTextLimit = 1023;

template <std::size_t N>
void CopyInto(std::array<char, N>& buffer, std::string_view text) {
  const std::size_t length = std::min(text.size(), N - 1);
  std::copy_n(text.begin(), length, buffer.begin());  // an empty view may have no data
  buffer[length] = '\0';
}

template <std::size_t N>
std::string TextOf(std::array<char, N>& buffer) {
  buffer[N - 1] = '\0';
  return std::string(buffer.data());
}

}  // namespace

CommandModule CommandModule::Load(std::span<const std::filesystem::path> folders,
                                  LoadError& error) {
  CommandModule module;
  error = LoadError::kNoModule;
  for (const std::filesystem::path& folder : folders) {
    if (folder.empty() || !folder.is_absolute()) continue;
    const std::filesystem::path file = folder / kCommandModuleName;
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(file, ignored)) continue;
    module.handle_ = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module.handle_ != nullptr) break;
  }
  if (module.handle_ == nullptr) return module;
  module.function_ =
      reinterpret_cast<SmscomFunction*>(::dlsym(module.handle_, kCommandFunctionName));
  if (module.function_ == nullptr) {
    error = LoadError::kNoFunction;
    module.Unload();
  }
  return module;
}

CommandModule::CommandModule(CommandModule&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)),
      function_(std::exchange(other.function_, nullptr)),
      statusText_(std::exchange(other.statusText_, nullptr)) {}

CommandModule& CommandModule::operator=(CommandModule&& other) noexcept {
  if (this != &other) {
    Unload();
    handle_ = std::exchange(other.handle_, nullptr);
    function_ = std::exchange(other.function_, nullptr);
    statusText_ = std::exchange(other.statusText_, nullptr);
  }
  return *this;
}

CommandModule::~CommandModule() { Unload(); }

void CommandModule::Unload() {
  function_ = nullptr;
  statusText_ = nullptr;
  if (handle_ != nullptr) ::dlclose(handle_);
  handle_ = nullptr;
}

ModuleAnswer CommandModule::Call(std::string_view sender, std::string_view text) {
  ModuleAnswer answer;
  if (function_ == nullptr) return answer;
  std::array<char, SMSCOM_SENDER_SIZE> senderBuffer{};
  std::array<char, SMSCOM_REPLY_NUMBER_SIZE> replyBuffer{};
  std::array<char, SMSCOM_TEXT_SIZE> textBuffer{};
  CopyInto(senderBuffer, sender);
  CopyInto(textBuffer, text);
  answer.result =
      function_(0, senderBuffer.data(), replyBuffer.data(), textBuffer.data(), &statusText_);
  answer.replyNumber = TextOf(replyBuffer);
  answer.text = TextOf(textBuffer);
  if (statusText_ != nullptr) {
    answer.statusText = std::string(statusText_, ::strnlen(statusText_, kStatusTextLimit));
  }
  return answer;
}

std::vector<std::filesystem::path> CommandModuleFolders(
    const std::filesystem::path& settingsFolder) {
  std::vector<std::filesystem::path> folders{settingsFolder};
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) {
    folders.push_back(program.parent_path());
    // The installed module: the program in <prefix>/bin, the module under <prefix>/lib.
    folders.push_back((program.parent_path() / TELVANE_MODULE_DIR_FROM_BIN).lexically_normal());
  }
  return folders;
}

}  // namespace telvane::command_mode
