#include "network/protocol_log.h"

#include <system_error>

namespace telvane::network {

bool ProtocolLog::Open(const std::filesystem::path& file, std::string_view headerWhenCreated) {
  Close();
  std::error_code error;
  const bool existed = std::filesystem::exists(file, error);
  file_ = base::OpenFile(file, "ab");
  if (!file_) return false;
  if (!existed && !headerWhenCreated.empty()) Write(headerWhenCreated);
  return true;
}

void ProtocolLog::Write(std::string_view line) {
  if (!file_) return;
  std::fwrite(line.data(), 1, line.size(), file_.get());
  std::fflush(file_.get());
}

std::string LogTimeText(const std::tm& time) {
  char text[64];
  std::snprintf(text, sizeof text, "%4d/%02d/%02d %02d:%02d:%02d", time.tm_year + 1900,
                time.tm_mon + 1, time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec);
  return text;
}

std::string LocalLogTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return LogTimeText(local);
}

std::string LogField(std::string_view text) {
  std::string field(text);
  for (char& c : field) {
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  }
  return field;
}

}  // namespace telvane::network
