// The protocol file "Telvane.log": the net monitor writes a line for every change of the
// radio cell, command mode one for every message and module call. Both append to the
// same file; only the net monitor starts a new file with a header line.
#pragma once

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/file_handle.h"

namespace telvane::network {

inline constexpr std::string_view kProtocolLogName = "Telvane.log";
inline constexpr std::string_view kNetMonitorLogHeader = "date,time,cellid,lai,net,level,state\n";

class ProtocolLog {
 public:
  // Appends to `file` when it exists; otherwise creates it and writes `headerWhenCreated`
  // (may be empty). An open log is closed first. False when the file cannot be opened.
  bool Open(const std::filesystem::path& file, std::string_view headerWhenCreated);
  void Close() { file_.reset(); }
  bool IsOpen() const { return file_ != nullptr; }
  // Writes the line as it stands and flushes it, so a crash loses nothing written.
  void Write(std::string_view line);

 private:
  base::FileHandle file_;
};

// "%4d/%02d/%02d %02d:%02d:%02d" of a broken-down time.
std::string LogTimeText(const std::tm& time);
// The local time now, as LogTimeText writes it.
std::string LocalLogTimeNow();

// A text as one field of a log line: line breaks and other control characters become
// blanks, so a message text cannot start a line of its own.
std::string LogField(std::string_view text);

}  // namespace telvane::network
