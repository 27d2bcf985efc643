#include "sim/transcript.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace telvane::sim {

std::string EscapeForTranscript(std::string_view bytes) {
  std::string out;
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    switch (byte) {
      case '\r': out += "<CR>"; break;
      case '\n': out += "<LF>"; break;
      case 0x1a: out += "<SUB>"; break;
      case 0x1b: out += "<ESC>"; break;
      case 0x00: out += "<NUL>"; break;
      default:
        if (byte >= 0x20 && byte < 0x7f) {
          out += c;
        } else {
          static constexpr char kHex[] = "0123456789ABCDEF";
          out += '<';
          out += kHex[byte >> 4];
          out += kHex[byte & 0x0f];
          out += '>';
        }
    }
  }
  return out;
}

Transcript::Transcript(std::optional<std::filesystem::path> file) {
  if (file) {
    file_ = base::OpenFile(*file, "ae");
    if (!file_) {
      throw std::runtime_error("transcript file " + file->string() +
                               " cannot be opened: " + std::strerror(errno));
    }
  }
}

void Transcript::Received(std::string_view text) { Add("> " + std::string(text)); }

void Transcript::Sent(std::string_view answer) {
  std::size_t start = 0;
  for (std::size_t i = 0; i <= answer.size(); ++i) {
    if (i == answer.size() || answer[i] == '\r' || answer[i] == '\n') {
      if (i > start) {
        Add("< " + EscapeForTranscript(answer.substr(start, i - start)));
      }
      start = i + 1;
    }
  }
}

std::vector<std::string> Transcript::Lines() const {
  std::lock_guard lock(mutex_);
  return {lines_.begin(), lines_.end()};
}

void Transcript::Clear() {
  std::lock_guard lock(mutex_);
  lines_.clear();
}

void Transcript::Add(std::string line) {
  std::lock_guard lock(mutex_);
  if (file_) {
    std::fputs(line.c_str(), file_.get());
    std::fputc('\n', file_.get());
    std::fflush(file_.get());
  }
  if (lines_.size() == kMaxLines) {
    lines_.pop_front();
  }
  lines_.push_back(std::move(line));
}

}  // namespace telvane::sim
